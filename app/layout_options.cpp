#include "app/layout_options.h"

#include <cmath>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "app/json_output.h"
#include "platform/sdk/OdDbDatabase.h"

namespace cadtext {

namespace {

std::vector<double> numbers(const std::string& list, char separator) {
  std::vector<double> values;
  std::stringstream in(list);
  for (std::string item; std::getline(in, item, separator);) values.push_back(to_number(item, "--columns"));
  return values;
}

std::uint32_t spacing_style(const std::string& name) {
  if (name == "at-least" || name == "1") return mtext::format::spacing_at_least;
  if (name == "exactly" || name == "2") return mtext::format::spacing_exactly;
  if (name == "multiple" || name == "3") return mtext::format::spacing_multiple;
  throw std::invalid_argument("line spacing style must be at-least, exactly or multiple");
}

// Sizes the object could not hold are refused, as the columns and paragraph
// dialogs refuse them: lengths beyond 10000 text heights, more than 100
// columns, a line spacing outside 0.25 to 4.
constexpr double most_text_heights = 10000.0;
constexpr double most_columns = 100.0;
const size_range line_spacing_factors{0.25, 4.0};

// Every paragraph length is divided by the text height.
size_range lengths_of(const layout_options& o) {
  const double h = checked_size(o.info.text_height, "--text-height", text_heights);
  return {0.0, most_text_heights * h};
}

void check_sizes(const layout_options& o, const size_range& lengths) {
  checked_size(o.info.column_width, "--width", lengths);
  checked_size(o.frame_height, "--height", lengths);
  if (o.info.line_spacing_style != mtext::format::spacing_unset)
    checked_size(o.info.line_spacing, "--line-spacing", line_spacing_factors);
}

// Columns as the object would have them: none, static:N:GUTTER,
// dynamic-auto, or dynamic:H1,H2,... with the gutter a fifth of the width.
void apply_columns(layout_options& o, const size_range& lengths) {
  mtext::convert_info& info = o.info;
  info.gutter = 0.2 * info.column_width;
  if (o.columns == "none") {
    info.column_heights = {o.frame_height};
  } else if (o.columns.rfind("static:", 0) == 0) {
    const std::vector<double> spec = numbers(o.columns.substr(7), ':');
    if (spec.size() != 2 || spec[0] != std::floor(spec[0])) throw std::invalid_argument("--columns static:N:GUTTER");
    checked_size(spec[0], "--columns static:N", {1.0, most_columns});
    info.column_heights.assign(static_cast<std::size_t>(spec[0]), o.frame_height);
    info.gutter = checked_size(spec[1], "--columns gutter", lengths);
  } else if (o.columns == "dynamic-auto") {
    info.column_kind = mtext::columns_dynamic_auto;
    info.column_heights = {o.frame_height};
  } else if (o.columns.rfind("dynamic:", 0) == 0) {
    info.column_kind = mtext::columns_dynamic_manual;
    info.column_heights = numbers(o.columns.substr(8), ',');
    checked_size(static_cast<double>(info.column_heights.size()), "--columns dynamic:", {1.0, most_columns});
    for (const double height : info.column_heights) checked_size(height, "--columns height", lengths);
  } else {
    throw std::invalid_argument("unknown --columns '" + o.columns + "'");
  }
}

void apply_line_spacing(layout_options& o) {
  if (o.line_spacing.empty()) return;
  const auto colon = o.line_spacing.find(':');
  o.info.line_spacing_style = spacing_style(o.line_spacing.substr(0, colon));
  if (colon != std::string::npos) o.info.line_spacing = to_number(o.line_spacing.substr(colon + 1), "--line-spacing");
}

void apply_attachment(mtext::convert_info& info, int attachment) {
  if (attachment == 0) return;
  info.horizontal = static_cast<std::uint32_t>((attachment - 1) % 3 + 1);
  info.vertical = static_cast<std::uint32_t>((attachment - 1) / 3);
}

}  // namespace

void add_layout_options(CLI::App& command, layout_options& o, layout_command_kind kind) {
  command.add_option("--width", o.info.column_width, "column width, 0 for no wrapping")->check(number());
  command.add_option("--height", o.frame_height, "frame height")->check(number());
  command.add_option("--text-height", o.info.text_height, "text height")->check(number());
  command.add_option("--attachment", o.attachment, "1..9, top left to bottom right")->check(CLI::Range(1, 9));
  command.add_option("--columns", o.columns, "none | static:N:GUTTER | dynamic-auto | dynamic:H1,H2,...");
  command.add_option("--line-spacing", o.line_spacing, "at-least|exactly|multiple[:FACTOR]");
  command.add_option("--font", o.font, "base typeface (Arial)");
  command.add_option("--mode", o.info.layout_mode, "layout mode 0, 1 or 2")->check(CLI::Range(0, 2));
  if (kind == layout_command_kind::render) {
    command.add_option("-o,--output", o.output, "the SVG file to write")->required();
    command.add_flag("--boxes", o.boxes, "adds line, column and frame boxes");
  }
  if (kind == layout_command_kind::lists)
    command.add_option("--alphabets", o.alphabets, "JSON file of alphabets (data/alphabets.json)");
  command.add_option("content", o.argument, "the content (UTF-8), or - for standard input")->required();
}

void finish_options(layout_options& o) {
  apply_attachment(o.info, o.attachment);
  apply_line_spacing(o);
  const size_range lengths = lengths_of(o);
  check_sizes(o, lengths);
  apply_columns(o, lengths);
  if (!odUtf8ToUtf16(read_content_argument(o.argument, std::cin), o.content))
    throw std::invalid_argument("the content is not valid UTF-8");
}

mtext::format::string base_format(const layout_options& o) {
  mtext::format::string base;
  base.height = o.info.text_height;
  mtext::format::set_typeface(base.style, OdString::fromUtf8(o.font), 0, 0);
  return base;
}

const mtext::string_size_finder& finder() {
  static const mtext::mtext_size_finder measuring(OdDbDatabase::createObject());
  return measuring;
}

mtext::geom_multitext laid_out(const layout_options& o) {
  return mtext::decode(o.content.c_str(), base_format(o), o.info, finder());
}


}  // namespace cadtext
