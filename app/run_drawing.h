// One drawing through a script: read it, run the registered commands with
// every prompt answered from the script, and write the result, all or
// nothing. Both `cadtext run` on one drawing and each drawing of a batch go
// through here.
#pragma once

#include <string>
#include <vector>

namespace cadtext {

struct run_script {
  std::string text;    // UTF-8, one answer or command a line
  std::string source;  // names it in error messages: a file, "stdin" or "-c"
  // Answers left over by a command that ended early (the drawing had
  // nothing for it) are skipped, not errors: a batch's script is written
  // for the drawings that have what it changes.
  bool skip_answers_of_ended_commands = false;
};

enum class drawing_result { changed, unchanged, cancelled, refused };

struct drawing_outcome {
  drawing_result result = drawing_result::refused;
  std::string transcript;           // what the user would have seen
  std::vector<std::string> errors;  // each "FILE:LINE: message"; set when refused
};

// Runs `script` on the drawing `input` and writes it to `output` through a
// temporary file renamed into place, so a refused drawing (unreadable, a
// script error, a failed write) leaves no output at all. A drawing in which
// a command was cancelled is still written: a cancelled command changes
// nothing.
drawing_outcome run_drawing(const std::string& input, const std::string& output, const run_script& script);

const char* result_name(drawing_result result);

}  // namespace cadtext
