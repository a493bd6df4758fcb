#include "platform/sdk/OdGiTextOutline.h"

#include "platform/sdk/OdGiTextRun.h"

std::vector<OdGiGlyphContour> odTextOutlines(const OdGiTextStyle& style, const OdString& text) {
  const od_text_run run = odPlaceText(style, text.c_str(), text.getLength());
  std::vector<OdGiGlyphContour> contours;
  for (const od_placed_glyph& g : run.glyphs) {
    if (!g.glyph || !g.glyph->has_ink) continue;
    for (OdGiGlyphContour contour : g.font->glyphOutline(g.character)) {
      for (OdGePoint2d& p : contour.points) {
        const double y = p.y * g.scale_y;
        p = OdGePoint2d(g.pen_x + p.x * g.scale_x + run.shear * y, y);
      }
      contours.push_back(std::move(contour));
    }
  }
  return contours;
}
