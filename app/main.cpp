// cadtext: the command-line entry point; dispatches to the subcommand table.
#include <algorithm>
#include <cmath>
#include <exception>
#include <iostream>
#include <sstream>

#include "app/command_line.h"
#include "mtext/convert.h"

namespace cadtext {

std::vector<subcommand>& subcommands() {
  static std::vector<subcommand> table;
  return table;
}

subcommand_registration::subcommand_registration(subcommand command) {
  subcommands().push_back(std::move(command));
}

bool take_option(const std::vector<std::string>& args, size_t& i, const std::string& name,
                 std::string& value) {
  const std::string flag = "--" + name;
  if (args[i] == flag) {
    if (i + 1 >= args.size()) throw std::invalid_argument(flag + " needs a value");
    value = args[i + 1];
    i += 2;
    return true;
  }
  if (args[i].rfind(flag + "=", 0) == 0) {
    value = args[i].substr(flag.size() + 1);
    ++i;
    return true;
  }
  return false;
}

double to_number(const std::string& text, const std::string& what) {
  std::size_t used = 0;
  double value = 0.0;
  try {
    value = std::stod(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || !std::isfinite(value))
    throw std::invalid_argument(what + " takes a number, not '" + text + "'");
  return value;
}

int to_whole_number(const std::string& text, const std::string& what) {
  const double value = to_number(text, what);
  if (value != std::floor(value) || std::fabs(value) > 1e9)
    throw std::invalid_argument(what + " takes a whole number, not '" + text + "'");
  return static_cast<int>(value);
}

double checked_size(double value, const std::string& what, const size_range& range) {
  const bool above_least = range.least_excluded ? value > range.least : value >= range.least;
  if (above_least && value <= range.most) return value;
  std::ostringstream message;
  message << what << " takes " << (range.least_excluded ? "above " : "from ") << range.least << " up to "
          << range.most << ", not " << value;
  throw std::invalid_argument(message.str());
}

namespace {

void print_help(std::ostream& out) {
  out << "usage: cadtext [--help] [--version] COMMAND [ARGS]\n\ncommands:\n";
  auto table = subcommands();
  std::sort(table.begin(), table.end(),
            [](const subcommand& a, const subcommand& b) { return a.words < b.words; });
  for (const subcommand& command : table) out << "  " << command.synopsis << "\n      " << command.help << "\n";
}

const subcommand* find_subcommand(const std::vector<std::string>& args, size_t& consumed) {
  const subcommand* best = nullptr;
  for (const subcommand& command : subcommands()) {
    const auto& words = command.words;
    if (words.size() <= args.size() && std::equal(words.begin(), words.end(), args.begin()) &&
        (!best || words.size() > best->words.size()))
      best = &command;
  }
  consumed = best ? best->words.size() : 0;
  return best;
}

}  // namespace
}  // namespace cadtext

int main(int argc, char** argv) {
  using namespace cadtext;
  // Multiline text objects take their size from the text library's layout.
  mtext::install_layout_provider();
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    print_help(std::cout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    std::cout << "cadtext " << CADTEXT_VERSION << "\n";
    return 0;
  }
  size_t consumed = 0;
  const subcommand* command = find_subcommand(args, consumed);
  if (!command) {
    std::cerr << "cadtext: unknown command '" << args[0] << "' (see cadtext --help)\n";
    return 2;
  }
  invocation call{{args.begin() + static_cast<long>(consumed), args.end()}, std::cout, std::cerr};
  try {
    return command->run(call);
  } catch (const std::exception& error) {
    std::cerr << "cadtext: " << error.what() << "\n";
    return 2;
  }
}
