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
  std::u16string content;
};

extern const char* const layout_synopsis;

layout_options read_options(const invocation& call, layout_command_kind kind);
mtext::format::string base_format(const layout_options& options);
const mtext::string_size_finder& finder();
// Content decoded and laid out with the options.
mtext::geom_multitext laid_out(const layout_options& options);

}  // namespace cadtext
