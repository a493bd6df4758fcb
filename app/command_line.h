// The subcommands of the cadtext program, as a table of names, help and handlers.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace cadtext {

struct invocation {
  std::vector<std::string> args;  // after the subcommand's own words
  std::ostream& out;
  std::ostream& err;
};

struct subcommand {
  std::vector<std::string> words;  // e.g. {"font", "measure"}
  std::string synopsis;
  std::string help;
  std::function<int(invocation&)> run;
};

// Each subcommand file adds its entries here at start-up.
std::vector<subcommand>& subcommands();

struct subcommand_registration {
  explicit subcommand_registration(subcommand command);
};

// Reads the value of option `name` at args[i] (`--name V` or `--name=V`);
// advances i past it. Returns false when args[i] is not that option.
bool take_option(const std::vector<std::string>& args, size_t& i, const std::string& name,
                 std::string& value);

// A whole decimal number, or std::invalid_argument naming `what`.
double to_number(const std::string& text, const std::string& what);
// The same for a whole number.
int to_whole_number(const std::string& text, const std::string& what);

// Text heights above this many drawing units are taken for a typing error.
constexpr double largest_text_height = 1e6;

// The sizes an option accepts; a size that divides excludes its least value.
struct size_range {
  double least = 0.0;
  double most = 0.0;
  bool least_excluded = false;
};

inline constexpr size_range text_heights{0.0, largest_text_height, true};

// `value` when it lies in `range`, else std::invalid_argument naming `what`
// and the range.
double checked_size(double value, const std::string& what, const size_range& range);

}  // namespace cadtext
