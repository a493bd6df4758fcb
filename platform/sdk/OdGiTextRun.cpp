#include "platform/sdk/OdGiTextRun.h"

#include <cmath>

namespace {

// Decodes the code point at text[i], advancing i past it; a lone surrogate
// stands for itself.
char32_t next_character(const OdChar* text, int length, int& i) {
  const char32_t unit = text[i++];
  if (unit >= 0xD800 && unit <= 0xDBFF && i < length && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
    return 0x10000 + ((unit - 0xD800) << 10) + (text[i++] - 0xDC00);
  return unit;
}

// The font that draws a character: the style's, or the fallback for
// characters the style's font lacks, so that no character goes missing.
const OdFont* font_for(const OdFont* font, char32_t character, const od_glyph*& glyph) {
  glyph = font->glyph(character);
  if (glyph) return font;
  const OdFont* fallback = odFallbackFont();
  glyph = fallback->glyph(character);
  return fallback;
}

}  // namespace

od_text_run odPlaceText(const OdGiTextStyle& style, const OdChar* text, int length) {
  od_text_run run;
  const OdFont* font = style.getFont();
  if (!font || !text || length <= 0) return run;
  run.shear = std::tan(style.obliquingAngle());
  double pen = 0.0;
  for (int i = 0; i < length;) {
    od_placed_glyph placed;
    placed.character = next_character(text, length, i);
    placed.font = font_for(font, placed.character, placed.glyph);
    const double cap = placed.font->capHeight();
    placed.scale_y = cap > 0.0 ? style.textSize() / cap : 0.0;
    placed.scale_x = placed.scale_y * style.xScale();
    placed.pen_x = pen;
    if (placed.glyph) pen += placed.glyph->advance * placed.scale_x * style.trackingPercent();
    run.glyphs.push_back(placed);
  }
  run.end_x = pen;
  return run;
}
