// The cadtext program's command line on CLI11: each command file adds its
// subcommands from a setup function registered at start-up; the shared
// validators and size checks live here.
#pragma once

#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace cadtext {

// Adds one top-level subcommand (and any under it) to `app`. The handler a
// subcommand runs stores its exit status in `status`.
using command_setup = void (*)(CLI::App& app, int& status);

struct command_registration {
  std::string name;  // orders the help
  command_setup setup;
};

// Each command file adds its entry here at start-up.
std::vector<command_registration>& command_registrations();

struct command_registrar {
  command_registrar(std::string name, command_setup setup);
};

// Text heights above this many drawing units are taken for a typing error.
constexpr double largest_text_height = 1e6;

// The sizes an option accepts; a size that divides excludes its least value.
struct size_range {
  double least = 0.0;
  double most = 0.0;
  bool least_excluded = false;
};

inline constexpr size_range text_heights{0.0, largest_text_height, true};

// A finite decimal number ("inf", "nan" and "2x" are refused).
CLI::Validator number();
// A finite number within `range`.
CLI::Validator within(const size_range& range);

// `value` when it lies in `range`, else std::invalid_argument naming `what`
// and the range (for sizes whose range depends on other options).
double checked_size(double value, const std::string& what, const size_range& range);
// A whole decimal number, or std::invalid_argument naming `what`.
double to_number(const std::string& text, const std::string& what);

}  // namespace cadtext
