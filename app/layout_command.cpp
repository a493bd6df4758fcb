// `cadtext layout` and `cadtext render`: lay content out the way a multiline
// text object would, and print the result as JSON or draw it as SVG.
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "app/command_line.h"
#include "app/json_writer.h"
#include "app/layout_drawing.h"
#include "mtext/convert.h"
#include "platform/sdk/OdDbDatabase.h"

namespace cadtext {
namespace {

struct layout_options {
  mtext::convert_info info;
  double frame_height = 0.0;
  std::string columns = "none";
  std::string font = "Arial";
  std::string output;
  bool boxes = false;
  std::u16string content;
};

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

// Columns as the object would have them: none, static:N:GUTTER,
// dynamic-auto, or dynamic:H1,H2,... with the gutter a fifth of the width.
void apply_columns(layout_options& o) {
  mtext::convert_info& info = o.info;
  info.gutter = 0.2 * info.column_width;
  if (o.columns == "none") {
    info.column_heights = {o.frame_height};
  } else if (o.columns.rfind("static:", 0) == 0) {
    const std::vector<double> spec = numbers(o.columns.substr(7), ':');
    if (spec.size() != 2 || spec[0] < 1) throw std::invalid_argument("--columns static:N:GUTTER");
    info.column_heights.assign(static_cast<std::size_t>(spec[0]), o.frame_height);
    info.gutter = spec[1];
  } else if (o.columns == "dynamic-auto") {
    info.column_kind = mtext::columns_dynamic_auto;
    info.column_heights = {o.frame_height};
  } else if (o.columns.rfind("dynamic:", 0) == 0) {
    info.column_kind = mtext::columns_dynamic_manual;
    info.column_heights = numbers(o.columns.substr(8), ',');
  } else {
    throw std::invalid_argument("unknown --columns '" + o.columns + "'");
  }
}

void apply_attachment(mtext::convert_info& info, int attachment) {
  if (attachment < 1 || attachment > 9) throw std::invalid_argument("--attachment takes 1 to 9");
  info.horizontal = static_cast<std::uint32_t>((attachment - 1) % 3 + 1);
  info.vertical = static_cast<std::uint32_t>((attachment - 1) / 3);
}

layout_options read_options(const invocation& call, bool render) {
  layout_options o;
  std::string value, content;
  bool have_content = false;
  for (size_t i = 0; i < call.args.size();) {
    if (take_option(call.args, i, "width", value)) o.info.column_width = to_number(value, "--width");
    else if (take_option(call.args, i, "height", value)) o.frame_height = to_number(value, "--height");
    else if (take_option(call.args, i, "text-height", value)) o.info.text_height = to_number(value, "--text-height");
    else if (take_option(call.args, i, "attachment", value)) apply_attachment(o.info, to_whole_number(value, "--attachment"));
    else if (take_option(call.args, i, "columns", value)) o.columns = value;
    else if (take_option(call.args, i, "font", value)) o.font = value;
    else if (take_option(call.args, i, "mode", value)) o.info.layout_mode = static_cast<std::uint32_t>(to_whole_number(value, "--mode"));
    else if (take_option(call.args, i, "line-spacing", value)) {
      const auto colon = value.find(':');
      o.info.line_spacing_style = spacing_style(value.substr(0, colon));
      if (colon != std::string::npos) o.info.line_spacing = to_number(value.substr(colon + 1), "--line-spacing");
    } else if (render && (call.args[i] == "-o" || call.args[i] == "--output")) {
      if (i + 1 >= call.args.size()) throw std::invalid_argument("-o needs a file name");
      o.output = call.args[i + 1];
      i += 2;
    }
    else if (render && call.args[i] == "--boxes") o.boxes = true, ++i;
    else if (!have_content) content = call.args[i++], have_content = true;
    else throw std::invalid_argument("unexpected argument '" + call.args[i] + "'");
  }
  if (!have_content) throw std::invalid_argument("no content given (use - for standard input)");
  if (render && o.output.empty()) throw std::invalid_argument("render needs -o OUT.svg");
  if (o.info.layout_mode > 2 || static_cast<int>(o.info.layout_mode) < 0) throw std::invalid_argument("--mode takes 0, 1 or 2");
  apply_columns(o);
  std::u16string wide;
  if (!odUtf8ToUtf16(read_content_argument(content, std::cin), wide))
    throw std::invalid_argument("the content is not valid UTF-8");
  o.content = wide;
  return o;
}

mtext::geom_multitext laid_out(const layout_options& o) {
  mtext::format::string base;
  base.height = o.info.text_height;
  mtext::format::set_typeface(base.style, OdString::fromUtf8(o.font), 0, 0);
  const mtext::mtext_size_finder finder(OdDbDatabase::createObject());
  return mtext::decode(o.content.c_str(), base, o.info, finder);
}

void write_metrics(json_writer& json, const mtext::string_metrics& m) {
  json.field("leading", m.leading).field("height", m.height).field("descent", m.descent);
  json.field("gap", m.gap).field("advance", m.advance).field("left", m.left);
  json.field("right", m.right).field("ascent", m.ascent).field("depth", m.depth);
}

void write_info(json_writer& json, const mtext::convert_info& info) {
  json.begin_object().field("column_width", info.column_width).field("gutter", info.gutter);
  json.field("column_kind", info.column_kind).key("column_heights").begin_array();
  for (const double h : info.column_heights) json.value(h);
  json.end_array().field("text_height", info.text_height).field("horizontal", info.horizontal);
  json.field("vertical", info.vertical).field("line_spacing_style", info.line_spacing_style);
  json.field("line_spacing", info.line_spacing).field("layout_mode", info.layout_mode).end_object();
}

void write_part(json_writer& json, const mtext::geom_part& p) {
  static const char* names[] = {"string", "spaces", "tab", "new_line", "stack", "new_paragraph"};
  json.begin_object().field("type", p.type() < 6 ? names[p.type()] : "unknown");
  if (p.type() == mtext::string_type)
    json.field("text", mtext::part_cast<mtext::string>(p.part()).text);
  if (p.type() == mtext::stack_type) {
    const auto& s = mtext::part_cast<mtext::stack>(p.part());
    json.field("upper", s.upper).field("lower", s.lower).field("kind", s.kind);
  }
  json.field("x", p.x).field("y", p.y);
  write_metrics(json, p.geometry);
  json.end_object();
}

int layout_command(invocation& call) {
  const mtext::geom_multitext text = laid_out(read_options(call, false));
  json_writer json(call.out);
  json.begin_object().key("info");
  write_info(json, text.info);
  json.key("lines").begin_array();
  for (const mtext::line_record& line : text.lines) {
    json.begin_object();
    write_metrics(json, line);
    json.field("begin", line.begin).field("end", line.end).field("x", line.x).field("y", line.y);
    json.end_object();
  }
  json.end_array().key("columns").begin_array();
  for (const mtext::column_record& c : text.columns) {
    json.begin_object().field("begin", c.begin).field("end", c.end).field("x", c.x).field("y", c.y);
    json.field("width", c.width).field("height", c.height).end_object();
  }
  json.end_array().key("parts").begin_array();
  for (const mtext::geom_part& p : text.parts) write_part(json, p);
  json.end_array().end_object();
  call.out << "\n";
  return 0;
}

int render_command(invocation& call) {
  const layout_options o = read_options(call, true);
  const mtext::geom_multitext text = laid_out(o);
  std::ofstream out(o.output);
  if (!out) throw std::runtime_error("cannot write " + o.output);
  write_layout_svg(out, text, o.boxes);
  if (!out.flush()) throw std::runtime_error("cannot write " + o.output);
  return 0;
}

const char* layout_synopsis =
    "[--width W] [--height H] [--text-height h] [--attachment 1..9] "
    "[--columns static:N:GUTTER | dynamic-auto | dynamic:H1,H2,...] "
    "[--line-spacing STYLE:FACTOR] [--font NAME] [--mode 0|1|2] CONTENT|-";

const subcommand_registration registrations[] = {
    subcommand_registration({{"layout"}, std::string("layout ") + layout_synopsis,
                             "prints the laid-out text (lines, columns, parts) as JSON",
                             layout_command}),
    subcommand_registration({{"render"}, std::string("render ") + layout_synopsis + " -o OUT.svg [--boxes]",
                             "draws the laid-out text as SVG; --boxes adds line, column and frame boxes",
                             render_command}),
};

}  // namespace
}  // namespace cadtext
