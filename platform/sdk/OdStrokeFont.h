// OdStrokeFont: a font of pen strokes. It is read from a Hershey font file
// (the stand-in for shape fonts whose file is not on the font path) and is
// the base of compiled shape fonts, which draw their strokes on demand.
#pragma once

#include <string>
#include <unordered_map>

#include "platform/sdk/OdFont.h"

class OdStrokeFont : public OdFont {
public:
  // Reads a Hershey ".jhf" file whose glyphs are the characters from the
  // space on, in order. Throws OdError(eNoFont) when it cannot.
  static OdFontPtr loadHershey(const std::string& path);

  double getAbove() const override { return m_above; }
  double getBelow() const override { return m_below; }
  // A shape font's line is five thirds of its height.
  double getHeight() const override { return m_above * 5.0 / 3.0; }
  double getInternalLeading() const override { return 0.0; }
  bool isShxFont() const override { return true; }
  double capHeight() const override { return m_above; }
  const char* kind() const override { return "hershey"; }
  OdString fileName() const override { return OdString::fromUtf8(m_path); }

  const od_glyph* glyph(char32_t character) const override;
  std::vector<OdGiGlyphContour> glyphOutline(char32_t character) const override;

protected:
  struct stroke_glyph {
    od_glyph metrics;
    std::vector<OdGiGlyphContour> strokes;  // open polylines, y up, pen at 0
  };

  OdStrokeFont() = default;
  // The glyph of a character, or null; fonts that draw on demand override it.
  virtual const stroke_glyph* findGlyph(char32_t character) const;
  // Metrics of strokes: the advance given, the box of every point.
  static stroke_glyph measured(std::vector<OdGiGlyphContour> strokes, double advance);

  std::string m_path;
  mutable std::unordered_map<char32_t, stroke_glyph> m_glyphs;
  double m_above = 0.0;
  double m_below = 0.0;
};
