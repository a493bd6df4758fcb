// `cadtext layout` and `cadtext render`: lay content out the way a multiline
// text object would, and print the result as JSON or draw it as SVG.
#include <fstream>
#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/command_line.h"
#include "app/json_output.h"
#include "app/layout_drawing.h"
#include "app/layout_options.h"

namespace cadtext {
namespace {

// The fields of a measurement, added to a line's or a part's object.
void add_metrics(json& out, const mtext::string_metrics& m) {
  out.update(json{{"leading", m.leading}, {"height", m.height}, {"descent", m.descent}, {"gap", m.gap},
                  {"advance", m.advance}, {"left", m.left}, {"right", m.right}, {"ascent", m.ascent},
                  {"depth", m.depth}});
}

json info_json(const mtext::convert_info& info) {
  return {{"column_width", info.column_width}, {"gutter", info.gutter}, {"column_kind", info.column_kind},
          {"column_heights", info.column_heights}, {"text_height", info.text_height},
          {"horizontal", info.horizontal}, {"vertical", info.vertical},
          {"line_spacing_style", info.line_spacing_style}, {"line_spacing", info.line_spacing},
          {"layout_mode", info.layout_mode}};
}

json part_json(const mtext::geom_part& p) {
  static const char* names[] = {"string", "spaces", "tab", "new_line", "stack", "new_paragraph"};
  json out = {{"type", p.type() < 6 ? names[p.type()] : "unknown"}};
  if (p.type() == mtext::string_type) out["text"] = utf8(mtext::part_cast<mtext::string>(p.part()).text);
  if (p.type() == mtext::stack_type) {
    const auto& s = mtext::part_cast<mtext::stack>(p.part());
    out["upper"] = utf8(s.upper), out["lower"] = utf8(s.lower), out["kind"] = s.kind;
  }
  out["x"] = p.x, out["y"] = p.y;
  add_metrics(out, p.geometry);
  return out;
}

json line_json(const mtext::line_record& line) {
  json out = json::object();
  add_metrics(out, line);
  out.update(json{{"begin", line.begin}, {"end", line.end}, {"x", line.x}, {"y", line.y}});
  return out;
}

int layout_command(layout_options& o) {
  finish_options(o);
  const mtext::geom_multitext text = laid_out(o);
  json lines = json::array(), columns = json::array(), parts = json::array();
  for (const mtext::line_record& line : text.lines) lines.push_back(line_json(line));
  for (const mtext::column_record& c : text.columns)
    columns.push_back({{"begin", c.begin}, {"end", c.end}, {"x", c.x}, {"y", c.y}, {"width", c.width},
                       {"height", c.height}});
  for (const mtext::geom_part& p : text.parts) parts.push_back(part_json(p));
  print_json(std::cout, {{"info", info_json(text.info)}, {"lines", lines}, {"columns", columns}, {"parts", parts}});
  return 0;
}

int render_command(layout_options& o) {
  finish_options(o);
  const mtext::geom_multitext text = laid_out(o);
  std::ofstream out(o.output);
  if (!out) throw std::runtime_error("cannot write " + o.output);
  write_layout_svg(out, text, o.boxes);
  if (!out.flush()) throw std::runtime_error("cannot write " + o.output);
  return 0;
}

void add(CLI::App& app, int& status, const char* name, const char* help, layout_command_kind kind,
         int (*run)(layout_options&)) {
  CLI::App* command = app.add_subcommand(name, help);
  auto o = std::make_shared<layout_options>();
  add_layout_options(*command, *o, kind);
  command->callback([&status, o, run] { status = run(*o); });
}

void setup(CLI::App& app, int& status) {
  add(app, status, "layout", "prints the laid-out text (lines, columns, parts) as JSON",
      layout_command_kind::layout, layout_command);
  add(app, status, "render", "draws the laid-out text as SVG; --boxes adds line, column and frame boxes",
      layout_command_kind::render, render_command);
}

const command_registrar registration("layout", setup);

}  // namespace
}  // namespace cadtext
