// `cadtext layout` and `cadtext render`: lay content out the way a multiline
// text object would, and print the result as JSON or draw it as SVG.
#include <fstream>
#include <stdexcept>

#include "app/command_line.h"
#include "app/json_writer.h"
#include "app/layout_drawing.h"
#include "app/layout_options.h"

namespace cadtext {
namespace {

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
  const mtext::geom_multitext text = laid_out(read_options(call, layout_command_kind::layout));
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
  const layout_options o = read_options(call, layout_command_kind::render);
  const mtext::geom_multitext text = laid_out(o);
  std::ofstream out(o.output);
  if (!out) throw std::runtime_error("cannot write " + o.output);
  write_layout_svg(out, text, o.boxes);
  if (!out.flush()) throw std::runtime_error("cannot write " + o.output);
  return 0;
}

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
