// `cadtext run`: runs registered commands on a drawing with every prompt
// answered from a script, prints the transcript and writes the drawing.
//
// Exit status: 0 when every command ran to its end, 1 when a command was
// cancelled (by `esc`, by an answer the script did not give, or by the
// command itself) — the drawing is still written, since a cancelled
// command changes nothing — and 2 on errors (arguments, an unreadable
// drawing or script, a script error, an unknown command), in which case
// nothing is written.
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "app/command_line.h"
#include "platform/host/scripted_host.h"
#include "platform/sdk/OdDxfFile.h"

namespace cadtext {
namespace {

struct run_options {
  std::string drawing;
  std::string output;
  std::string script_file;
  std::vector<std::string> inline_script;  // the -c arguments
};

run_options read_run_options(const std::vector<std::string>& args) {
  run_options o;
  for (std::size_t i = 0; i < args.size();) {
    std::string value;
    if (take_option(args, i, "script", value)) {
      if (!o.script_file.empty()) throw std::invalid_argument("--script is given twice");
      o.script_file = value;
    } else if (args[i] == "-o" || args[i] == "--output" || args[i] == "-c") {
      if (i + 1 >= args.size()) throw std::invalid_argument(args[i] + " needs a value");
      if (args[i] == "-c") o.inline_script.push_back(args[i + 1]);
      else if (!o.output.empty()) throw std::invalid_argument("-o is given twice");
      else o.output = args[i + 1];
      i += 2;
    } else if (args[i].size() > 1 && args[i][0] == '-') {
      throw std::invalid_argument("unknown option " + args[i]);
    } else if (o.drawing.empty()) {
      o.drawing = args[i++];
    } else {
      throw std::invalid_argument("one drawing at a time; \"" + args[i] + "\" is one too many");
    }
  }
  if (o.drawing.empty()) throw std::invalid_argument("run needs a drawing: cadtext run DRAWING.dxf --script FILE");
  if (o.script_file.empty() == o.inline_script.empty())
    throw std::invalid_argument("run needs either --script FILE or -c COMMANDS (not both)");
  return o;
}

// The script text: the file ("-" reads standard input), or the -c
// arguments as lines, where ';' separates lines within one argument.
std::string script_text(const run_options& o) {
  if (o.script_file == "-") {
    std::stringstream text;
    text << std::cin.rdbuf();
    return text.str();
  }
  if (!o.script_file.empty()) {
    std::ifstream in(o.script_file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the script " + o.script_file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::string text;
  for (const std::string& argument : o.inline_script) {
    for (char c : argument) text += c == ';' ? '\n' : c;
    text += '\n';
  }
  return text;
}

// "cadtext: FILE:LINE: message", as the dxf commands print a drawing's errors.
void print_dxf_error(invocation& call, const std::string& file, const OdDxfError& error) {
  call.err << "cadtext: " << file << ':';
  if (error.line() != 0) call.err << error.line() << ':';
  call.err << ' ' << error.message() << '\n';
}

int run_command(invocation& call) {
  const run_options o = read_run_options(call.args);
  const std::string script = script_text(o);
  OdDbDatabasePtr database;
  try {
    database = odDxfReadFile(o.drawing);
  } catch (const OdDxfError& error) {
    print_dxf_error(call, o.drawing, error);
    return 2;
  }
  scripted_outcome outcome;
  {
    scripted_host host(database.get(), OdString::fromUtf8(o.drawing));
    const std::string source = o.script_file.empty() ? "-c" : o.script_file == "-" ? "stdin" : o.script_file;
    outcome = host.run(script, source);
    call.out << host.transcript();
  }
  if (!outcome.errors.empty()) {
    for (const std::string& error : outcome.errors) call.err << "cadtext: " << error << "\n";
    call.err << "cadtext: the drawing was not written\n";
    return 2;
  }
  const std::string target = o.output.empty() ? o.drawing : o.output;
  try {
    odDxfWriteFile(database.get(), target);
  } catch (const OdDxfError& error) {
    print_dxf_error(call, target, error);
    return 2;
  }
  return outcome.cancelled > 0 ? 1 : 0;
}

const subcommand_registration registration(
    {{"run"}, "run DRAWING.dxf [-o OUT.dxf] (--script FILE | -c COMMANDS ...)",
     "runs commands on the drawing with prompts answered from the script; prints the transcript and "
     "writes the drawing (to OUT, else back); exit 1 when a command was cancelled, 2 on errors",
     run_command});

}  // namespace
}  // namespace cadtext
