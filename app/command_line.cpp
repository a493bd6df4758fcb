#include "app/command_line.h"

#include <cmath>
#include <sstream>
#include <stdexcept>

namespace cadtext {

std::vector<command_registration>& command_registrations() {
  static std::vector<command_registration> table;
  return table;
}

command_registrar::command_registrar(std::string name, command_setup setup) {
  command_registrations().push_back({std::move(name), setup});
}

namespace {

bool parse_number(const std::string& text, double& value) {
  std::size_t used = 0;
  try {
    value = std::stod(text, &used);
  } catch (const std::exception&) {
    return false;
  }
  return used != 0 && used == text.size() && std::isfinite(value);
}

std::string range_message(const size_range& range, const std::string& value) {
  std::ostringstream message;
  message << "takes " << (range.least_excluded ? "above " : "from ") << range.least << " up to " << range.most
          << ", not " << value;
  return message.str();
}

bool in_range(double value, const size_range& range) {
  const bool above_least = range.least_excluded ? value > range.least : value >= range.least;
  return above_least && value <= range.most;
}

}  // namespace

double to_number(const std::string& text, const std::string& what) {
  double value = 0.0;
  if (!parse_number(text, value)) throw std::invalid_argument(what + ": takes a number, not '" + text + "'");
  return value;
}

CLI::Validator number() {
  return CLI::Validator(
      [](std::string& text) {
        double value = 0.0;
        return parse_number(text, value) ? std::string() : "takes a number, not '" + text + "'";
      },
      "NUMBER");
}

CLI::Validator within(const size_range& range) {
  return CLI::Validator(
      [range](std::string& text) {
        double value = 0.0;
        if (!parse_number(text, value)) return "takes a number, not '" + text + "'";
        std::ostringstream shown;
        shown << value;
        return in_range(value, range) ? std::string() : range_message(range, shown.str());
      },
      "NUMBER");
}

double checked_size(double value, const std::string& what, const size_range& range) {
  if (in_range(value, range)) return value;
  std::ostringstream shown;
  shown << value;
  throw std::invalid_argument(what + ": " + range_message(range, shown.str()));
}

}  // namespace cadtext
