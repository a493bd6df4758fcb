#include "app/layout_drawing.h"

#include <algorithm>
#include <cmath>

#include "mtext/draw.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace cadtext {
namespace {

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
  mtext::draw(text, gi, gi, OdCmEntityColor::fromIndex(7));
  if (boxes) draw_boxes(gi, text);
  od_gi_write_svg(out, gi.primitives());
}

}  // namespace cadtext
