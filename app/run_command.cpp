// `cadtext run`: runs registered commands on drawings with every prompt
// answered from a script.
//
// One drawing (with -o naming a file, or none): prints the transcript and
// writes the drawing to OUT, else back to DRAWING. Exit status 0 when every
// command ran to its end or the drawing changed, 1 when a command was
// cancelled and the drawing is unchanged (it is still written), 2 on errors
// (arguments, an unreadable drawing or script, a script error, an unknown
// command), in which case nothing is written.
//
// Several drawings (or -o naming a folder): each is written into the folder
// under its own name, never over an input unless --in-place asks; they run
// on -j cores, and the run ends with a summary (exit 2 when any drawing was
// refused).
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "app/batch_report.h"
#include "app/command_line.h"
#include "app/command_module.h"
#include "app/run_batch.h"
#include "platform/host/scripted_script.h"

namespace cadtext {
namespace {

namespace fs = std::filesystem;

struct run_options {
  std::vector<std::string> drawings;
  std::string output;
  std::string script_file;
  std::vector<std::string> inline_script;  // the -c arguments
  int parallel = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  bool in_place = false;
};

std::string whole_stream(std::istream& in) {
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The script: the file ("-" reads standard input), or the -c arguments as
// lines, where ';' separates lines within one argument.
run_script script_of(const run_options& o) {
  if (o.script_file == "-") return {whole_stream(std::cin), "stdin"};
  if (!o.script_file.empty()) {
    std::ifstream in(o.script_file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the script " + o.script_file);
    return {whole_stream(in), o.script_file};
  }
  std::string text;
  for (const std::string& argument : o.inline_script) {
    for (char c : argument) text += c == ';' ? '\n' : c;
    text += '\n';
  }
  return {text, "-c"};
}

bool is_batch(const run_options& o) {
  return o.drawings.size() > 1 || (!o.output.empty() && (o.output.back() == '/' || fs::is_directory(o.output)));
}

int run_one(const run_options& o, const run_script& script) {
  const std::string& drawing = o.drawings.front();
  const drawing_outcome outcome = run_drawing(drawing, o.output.empty() ? drawing : o.output, script);
  std::cout << outcome.transcript;
  for (const std::string& error : outcome.errors) std::cerr << "cadtext: " << error << "\n";
  if (outcome.result != drawing_result::refused) return outcome.result == drawing_result::cancelled ? 1 : 0;
  if (!outcome.transcript.empty()) std::cerr << "cadtext: the drawing was not written\n";
  return 2;
}

// Where each drawing goes: the folder under its own name, or itself with
// --in-place. A drawing that would land on an input, or on another
// drawing's output, is refused before anything runs.
std::vector<batch_job> jobs_of(const run_options& o) {
  if (o.in_place == !o.output.empty())
    throw std::invalid_argument("several drawings need either -o FOLDER/ or --in-place");
  if (!o.in_place) fs::create_directories(o.output);
  std::vector<batch_job> jobs;
  std::set<fs::path> taken;
  for (const std::string& input : o.drawings) {
    batch_job job{input, o.in_place ? input : (fs::path(o.output) / fs::path(input).filename()).string(), ""};
    std::error_code ignored;
    if (!taken.insert(fs::weakly_canonical(job.output, ignored)).second)
      job.refusal = "another drawing is written to " + job.output;
    else if (!o.in_place && fs::equivalent(input, job.output, ignored))
      job.refusal = "its output " + job.output + " is the input itself (use --in-place to write over it)";
    jobs.push_back(job);
  }
  return jobs;
}

int run_many(const run_options& o, const run_script& script) {
  const std::vector<batch_job> jobs = jobs_of(o);
  batch_report report(std::cout, jobs.size(), isatty(STDOUT_FILENO) != 0);
  const auto entries = run_batch(jobs, script, o.parallel, [&](const batch_entry& entry) { report.done(entry); });
  return report.summary(entries);
}

// Every drawing of a batch would write the same snapshot files.
bool takes_snapshots(const run_script& script) {
  for (const script_line& line : parseScript(script.text, script.source).lines)
    if (line.kind == script_kind::snapshot) return true;
  return false;
}

int run_command(const run_options& o) {
  if (o.script_file.empty() == o.inline_script.empty())
    throw std::invalid_argument("run needs either --script FILE or -c COMMANDS (not both)");
  run_script script = script_of(o);
  load_command_module();
  if (!is_batch(o)) return run_one(o, script);
  if (takes_snapshots(script)) throw std::invalid_argument("run: snapshot lines need a single drawing");
  script.skip_answers_of_ended_commands = true;
  return run_many(o, script);
}

void setup(CLI::App& app, int& status) {
  CLI::App* run = app.add_subcommand(
      "run", "runs commands on drawings with prompts answered from a script; one drawing prints the transcript, "
             "several run on all cores and end with a summary");
  auto o = std::make_shared<run_options>();
  run->add_option("drawings", o->drawings, "the ASCII DXF drawings")->required();
  run->add_option("-o,--output", o->output, "the drawing to write, or the folder for several (ending in /)");
  run->add_option("--script", o->script_file, "the script file, - for standard input");
  run->add_option("-c", o->inline_script, "script lines, ';' between lines; may repeat")->allow_extra_args(false);
  run->add_option("-j,--jobs", o->parallel, "drawings run at once (default: the number of cores)")
      ->check(CLI::Range(1, 256));
  run->add_flag("--in-place", o->in_place, "writes each drawing back over itself");
  run->callback([&status, o] { status = run_command(*o); });
}

const command_registrar registration("run", setup);

}  // namespace
}  // namespace cadtext
