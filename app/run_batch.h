// Runs one script over many drawings on several cores. Each drawing runs in
// a child process of its own: the scripted host is one per process, the
// command table and the text layer's caches are process-wide and unlocked,
// and a drawing that crashes a command then takes down only itself.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/run_drawing.h"

namespace cadtext {

struct batch_job {
  std::string input;
  std::string output;
  std::string refusal;  // set when the job is refused before it runs
};

struct batch_entry {
  std::string input;
  drawing_result result = drawing_result::refused;
  std::string reason;  // why it was refused
};

// Runs every job, at most `parallel` at a time, calling `done` in the
// parent as each ends (in the order they end); answers the entries in the
// order of `jobs`. A refused or failing drawing never stops the others.
std::vector<batch_entry> run_batch(const std::vector<batch_job>& jobs, const run_script& script, int parallel,
                                   const std::function<void(const batch_entry&)>& done);

}  // namespace cadtext
