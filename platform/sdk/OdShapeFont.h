// OdShapeFont: a compiled shape font (.shx), its glyphs drawn by running
// each shape's pen commands.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/sdk/OdFont.h"

class OdShapeFont : public OdFont {
public:
  // Reads "AutoCAD-86 shapes 1.0/1.1" and "unifont 1.0" files; null for any
  // other file (a big font, a damaged file), which the caller replaces.
  static OdFontPtr load(const std::string& path);

  double getAbove() const override { return m_above; }
  double getBelow() const override { return m_below; }
  double getHeight() const override { return m_above * 5.0 / 3.0; }
  double getInternalLeading() const override { return 0.0; }
  bool isShxFont() const override { return true; }
  double capHeight() const override { return m_above; }
  const char* kind() const override { return "shx"; }
  OdString fileName() const override { return OdString::fromUtf8(m_path); }

  const od_glyph* glyph(char32_t character) const override;
  std::vector<OdGiGlyphContour> glyphOutline(char32_t character) const override;

protected:
  OdShapeFont() = default;

private:
  struct drawn_shape {
    od_glyph metrics;
    std::vector<OdGiGlyphContour> strokes;
  };
  const drawn_shape* drawn(char32_t character) const;

  std::string m_path;
  bool m_unifont = false;
  std::unordered_map<std::uint32_t, std::vector<std::uint8_t>> m_shapes;  // pen commands by shape number
  double m_above = 0.0;
  double m_below = 0.0;
  mutable std::unordered_map<char32_t, drawn_shape> m_drawn;
};
