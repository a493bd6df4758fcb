#include "mtext/measure.h"

#include <cmath>

#include "platform/sdk/OdFont.h"
#include "platform/sdk/OdGiContextForDbDatabase.h"

namespace mtext {

namespace {

constexpr double shape_font_line = 1.6666666666666667;  // a shape font's line is 5/3 of its height

font_metrics font_fields(const OdGiTextStyle& style) {
  const OdFont* font = style.getFont();
  const double above = font->getAbove();
  const bool shape = font->isShxFont();
  const double below = shape ? -font->getBelow() : font->getBelow();
  const double full = shape ? above * shape_font_line : font->getHeight();
  const double leading = font->getInternalLeading();
  const double scale = style.textSize() / above;
  return {leading * scale, above * scale, -(below * scale), (full - (leading + above - below)) * scale};
}

}  // namespace

font_metrics mtext_size_finder::measure_font(const OdGiTextStyle& style) const {
  return font_fields(style);
}

const OdGiTextStyle& mtext_size_finder::measuring_style(const OdGiTextStyle& given) const {
  if (m_have_last && m_given.sharesAttributesWith(given)) return m_measuring;
  m_given = given;
  m_measuring = given;
  // The character set only picks a code page; measuring goes by Unicode.
  const OdTtfDescriptor& ttf = given.ttfDecriptor();
  if (ttf.charSet() != 0) m_measuring.setFont(ttf.typeface(), ttf.isBold(), ttf.isItalic(), 0, ttf.pitchAndFamily());
  m_measuring.loadStyleRec(database.get());
  m_have_last = true;
  return m_measuring;
}

string_metrics mtext_size_finder::measure(const OdGiTextStyle& given, const std::u16string& text) const {
  const OdGiTextStyle& style = measuring_style(given);
  OdGePoint3d min, max, end;
  odTextExtentsBox(style, text.c_str(), static_cast<int>(text.size()), min, max, &end);
  const font_metrics font = font_fields(style);
  return {font.leading, font.height, font.descent, font.gap,
          end.x, min.x, end.x - max.x, max.y, -min.y};
}

string_metrics dtext_size_finder::measure(const OdGiTextStyle& style, const std::u16string& text) const {
  string_metrics m = mtext_size_finder::measure(style, text);
  m.depth = anchor_kind == 1 ? 0.0 : m.descent;
  const int k = vertical_mode == 2 ? 1 : vertical_mode == 3 ? 2 : 0;
  const double shift = std::tan(style.obliquingAngle()) * k * 0.5 * style.textSize();
  m.left += shift;
  m.right -= shift;
  return m;
}

}  // namespace mtext
