// The options shared by the commands that lay content out: frame, columns,
// alignment, spacing, font and mode, read into conversion parameters.
#pragma once

#include <string>

#include "app/command_line.h"
#include "mtext/convert.h"

namespace cadtext {

enum class layout_command_kind { layout, render, lists };

struct layout_options {
  mtext::convert_info info;
  double frame_height = 0.0;
  std::string columns = "none";
  std::string font = "Arial";
  std::string output;     // render
  bool boxes = false;     // render
  std::string alphabets;  // lists
  std::string line_spacing;
  int attachment = 0;
  std::string argument;   // the content as given, "-" for standard input
  std::u16string content;
};

// Adds the options `kind` takes to a subcommand.
void add_layout_options(CLI::App& command, layout_options& o, layout_command_kind kind);
// Checks the sizes that depend on one another, applies columns, spacing and
// attachment, and reads the content; std::invalid_argument when refused.
void finish_options(layout_options& o);
mtext::format::string base_format(const layout_options& options);
const mtext::string_size_finder& finder();
// Content decoded and laid out with the options.
mtext::geom_multitext laid_out(const layout_options& options);

}  // namespace cadtext
