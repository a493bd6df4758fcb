#include "app/layout_drawing.h"

#include <algorithm>
#include <cmath>

#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace cadtext {
namespace {

constexpr double stack_text_scale = 0.7;

void draw_run(OdGiRecorder& gi, double x, double y, const OdGiTextStyle& style, const std::u16string& text) {
  if (text.empty()) return;
  gi.text(OdGePoint3d(x, y, 0.0), OdGeVector3d::kZAxis, OdGeVector3d::kXAxis, text.c_str(),
          static_cast<std::int32_t>(text.size()), true, &style);
}

void draw_line(OdGiRecorder& gi, double x0, double y0, double x1, double y1) {
  const OdGePoint3d points[] = {{x0, y0, 0.0}, {x1, y1, 0.0}};
  gi.polyline(2, points);
}

// Upper text above the line, lower below; a bar for "/", a slash for "#".
void draw_stack(OdGiRecorder& gi, const mtext::geom_stack& s) {
  OdGiTextStyle style = s.format.style;
  const double h = s.format.height;
  style.setTextSize(stack_text_scale * h);
  const double width = s.geometry.advance;
  if (s.kind == mtext::stack_diagonal) {
    draw_run(gi, s.x, s.y + 0.45 * h, style, s.upper);
    draw_run(gi, s.x + s.upper_geometry.advance, s.y - 0.1 * h, style, s.lower);
    draw_line(gi, s.x + s.upper_geometry.advance - 0.1 * h, s.y - 0.15 * h,
              s.x + s.upper_geometry.advance + 0.1 * h, s.y + 1.0 * h);
    return;
  }
  draw_run(gi, s.x + (width - s.upper_geometry.advance) * 0.5, s.y + 0.6 * h, style, s.upper);
  draw_run(gi, s.x + (width - s.lower_geometry.advance) * 0.5, s.y - 0.35 * h, style, s.lower);
  if (s.kind == mtext::stack_slash) draw_line(gi, s.x, s.y + 0.45 * h, s.x + width, s.y + 0.45 * h);
}

// A run's colour: its index or true colour; an unset colour draws in the
// foreground.
void set_run_color(OdGiRecorder& gi, const mtext::color& c) {
  OdCmEntityColor color;
  if (c.kind == 0 && c.index > 0 && c.index < 256) color.setColorIndex(c.index);
  else if (c.kind == 1 && c.rgb != 0xFFFFFFFFu) color.setRGB((c.rgb >> 16) & 0xFF, (c.rgb >> 8) & 0xFF, c.rgb & 0xFF);
  else color.setColorIndex(7);
  gi.setTrueColor(color);
}

void draw_box(OdGiRecorder& gi, double left, double bottom, double right, double top) {
  const OdGePoint3d points[] = {{left, bottom, 0.0}, {right, bottom, 0.0}, {right, top, 0.0},
                                {left, top, 0.0}, {left, bottom, 0.0}};
  gi.polyline(5, points);
}

void set_color(OdGiRecorder& gi, std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  OdCmEntityColor color;
  color.setRGB(r, g, b);
  gi.setTrueColor(color);
}

void draw_boxes(OdGiRecorder& gi, const mtext::geom_multitext& text) {
  set_color(gi, 120, 160, 230);
  // Shape fonts count their descent positive, TrueType fonts negative.
  for (const mtext::line_record& line : text.lines) {
    // Justified and distributed lines spread their parts past the advance.
    double right = line.x + line.advance;
    for (mtext::position i = line.begin; i < line.end; ++i)
      right = std::max(right, text.parts[i].x + text.parts[i].geometry.advance);
    draw_box(gi, line.x, line.y - std::fabs(line.descent), right, line.y + line.height);
  }
  set_color(gi, 60, 170, 90);
  for (const mtext::column_record& c : text.columns) draw_box(gi, c.x, c.y - c.height, c.x + c.width, c.y);
  set_color(gi, 220, 60, 60);
  const auto& heights = text.info.column_heights;
  const double frame_height = heights.empty() ? 0.0 : *std::max_element(heights.begin(), heights.end());
  const double columns = std::max<double>(1.0, static_cast<double>(text.columns.size()));
  const double frame_width = text.info.column_width * columns + text.info.gutter * (columns - 1.0);
  if (frame_width > 0.0 || frame_height > 0.0) draw_box(gi, 0.0, -frame_height, frame_width, 0.0);
}

}  // namespace

void write_layout_svg(std::ostream& out, const mtext::geom_multitext& text, bool boxes) {
  OdGiRecorder gi;
  for (const mtext::geom_part& p : text.parts) {
    set_run_color(gi, p.part().format.color);
    if (p.type() == mtext::string_type) {
      const auto& word = mtext::part_cast<mtext::string>(p.part());
      draw_run(gi, p.x, p.y, word.format.style, word.text);
    } else if (p.type() == mtext::stack_type) {
      draw_stack(gi, dynamic_cast<const mtext::geom_stack&>(p));
    }
  }
  if (boxes) draw_boxes(gi, text);
  od_gi_write_svg(out, gi.primitives());
}

}  // namespace cadtext
