// cadtext: the command-line entry point. Every command file adds its
// subcommands to one CLI11 application; errors in the arguments and refused
// input both exit with status 2.
#include <algorithm>
#include <exception>
#include <iostream>

#include "app/command_line.h"
#include "mtext/convert.h"

namespace cadtext {
namespace {

void add_commands(CLI::App& app, int& status) {
  auto table = command_registrations();
  std::sort(table.begin(), table.end(),
            [](const command_registration& a, const command_registration& b) { return a.name < b.name; });
  for (const command_registration& entry : table) entry.setup(app, status);
}

bool is_command(const CLI::App& app, const std::string& word) {
  for (const CLI::App* sub : app.get_subcommands([](const CLI::App*) { return true; }))
    if (sub->get_name() == word) return true;
  return false;
}

}  // namespace
}  // namespace cadtext

int main(int argc, char** argv) {
  using namespace cadtext;
  // Multiline text objects take their size from the text library's layout.
  mtext::install_layout_provider();
  CLI::App app{"Reads, lays out, edits and writes multiline text (MText); runs text commands on DXF drawings.",
               "cadtext"};
  app.set_version_flag("--version", std::string("cadtext ") + CADTEXT_VERSION);
  app.require_subcommand(1);
  app.failure_message([](const CLI::App*, const CLI::Error& error) {
    return std::string("cadtext: ") + error.what() + "\n";
  });
  app.footer("Exit status: 0 done, 1 a command was cancelled, 2 refused input or errors.");
  int status = 0;
  add_commands(app, status);
  const std::string first = argc < 2 ? "" : argv[1];
  if (first.empty() || first == "help") {
    std::cout << app.help();
    return first.empty() ? 2 : 0;
  }
  if (first[0] != '-' && !is_command(app, first)) {
    std::cerr << "cadtext: unknown command '" << first << "' (see cadtext --help)\n";
    return 2;
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, std::cout, std::cerr);
    return code == 0 ? 0 : 2;
  } catch (const std::exception& error) {
    std::cerr << "cadtext: " << error.what() << "\n";
    return 2;
  }
  return status;
}
