#include "mtext/draw.h"

#include <string>

namespace mtext {

namespace {

constexpr double stack_text_scale = 0.7;    // stack texts are set at the enclosing height
constexpr double underline_depth = 0.2;     // below the baseline, in text heights
constexpr double overline_height = 1.2;     // above the baseline
constexpr double strike_height = 0.5;

struct pen {
  OdGiGeometry& geometry;

  void run(double x, double y, const OdGiTextStyle& style, const std::u16string& text) const {
    if (text.empty()) return;
    geometry.text(OdGePoint3d(x, y, 0.0), OdGeVector3d::kZAxis, OdGeVector3d::kXAxis, text.c_str(),
                  static_cast<std::int32_t>(text.size()), true, &style);
  }

  void line(double x0, double y0, double x1, double y1) const {
    const OdGePoint3d points[] = {{x0, y0, 0.0}, {x1, y1, 0.0}};
    geometry.polyline(2, points);
  }
};

// Upper text above the line, lower below; a bar for "/", a slash for "#".
void draw_stack(const pen& p, const geom_stack& s) {
  OdGiTextStyle style = s.format.style;
  const double h = s.format.height;
  style.setTextSize(stack_text_scale * h);
  const double width = s.geometry.advance;
  if (s.kind == stack_diagonal) {
    p.run(s.x, s.y + 0.45 * h, style, s.upper);
    p.run(s.x + s.upper_geometry.advance, s.y - 0.1 * h, style, s.lower);
    p.line(s.x + s.upper_geometry.advance - 0.1 * h, s.y - 0.15 * h, s.x + s.upper_geometry.advance + 0.1 * h,
           s.y + 1.0 * h);
    return;
  }
  p.run(s.x + (width - s.upper_geometry.advance) * 0.5, s.y + 0.6 * h, style, s.upper);
  p.run(s.x + (width - s.lower_geometry.advance) * 0.5, s.y - 0.35 * h, style, s.lower);
  if (s.kind == stack_slash) p.line(s.x, s.y + 0.45 * h, s.x + width, s.y + 0.45 * h);
}

// The lines a format asks for along the part's advance.
void draw_decorations(const pen& p, const geom_part& part) {
  const format::string& f = part.part().format;
  const double from = part.x, to = part.x + part.geometry.advance;
  if (to <= from) return;
  if (f.style.isUnderlined()) p.line(from, part.y - underline_depth * f.height, to, part.y - underline_depth * f.height);
  if (f.style.isOverlined()) p.line(from, part.y + overline_height * f.height, to, part.y + overline_height * f.height);
  if (f.style.isStriked()) p.line(from, part.y + strike_height * f.height, to, part.y + strike_height * f.height);
}

}  // namespace

OdCmEntityColor drawing_color(const color& c, const OdCmEntityColor& own) {
  OdCmEntityColor result;
  if (c.kind == 0 && c.index > 0 && c.index < 256) result.setColorIndex(c.index);
  else if (c.kind == 1 && c.rgb != 0xFFFFFFFFu) result.setRGB((c.rgb >> 16) & 0xFF, (c.rgb >> 8) & 0xFF, c.rgb & 0xFF);
  else result = own;
  return result;
}

void set_drawing_color(OdGiSubEntityTraits& traits, const color& c, const OdCmEntityColor& own) {
  traits.setTrueColor(drawing_color(c, own));
}

void draw(const geom_multitext& text, OdGiCommonDraw& draw, OdGiGeometry& geometry, const OdCmEntityColor& own,
          color_rule rule) {
  const pen p{geometry};
  for (const geom_part& part : text.parts) {
    rule(draw.subEntityTraits(), part.part().format.color, own);
    if (part.type() == string_type) {
      const auto& word = part_cast<string>(part.part());
      p.run(part.x, part.y, word.format.style, word.text);
    } else if (part.type() == stack_type) {
      draw_stack(p, static_cast<const geom_stack&>(part));
    }
    if (part.type() == string_type || part.type() == spaces_type || part.type() == tab_type)
      draw_decorations(p, part);
  }
}

}  // namespace mtext
