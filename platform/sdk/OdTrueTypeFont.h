// OdTrueTypeFont: a TrueType or OpenType face loaded with FreeType, measured
// in design units without hinting.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>

#include "platform/sdk/OdFont.h"

class OdTrueTypeFont : public OdFont {
public:
  // Throws OdError(eNoFont) when FreeType cannot open the face.
  static OdFontPtr load(const std::string& path, int faceIndex);
  ~OdTrueTypeFont() override;

  double getAbove() const override { return m_ascent; }
  double getBelow() const override { return m_descent; }
  double getHeight() const override { return m_ascent + m_descent + m_externalLeading; }
  double getInternalLeading() const override { return m_ascent + m_descent - m_unitsPerEm; }
  bool isShxFont() const override { return false; }
  double capHeight() const override { return m_capHeight; }
  const char* kind() const override { return "truetype"; }
  OdString fileName() const override { return OdString::fromUtf8(m_path); }
  double unitsPerEm() const { return m_unitsPerEm; }
  // The face's family name ("DejaVu Sans"), as typefaces name it.
  OdString familyName() const;

  const od_glyph* glyph(char32_t character) const override;
  std::vector<OdGiGlyphContour> glyphOutline(char32_t character) const override;

protected:
  OdTrueTypeFont() = default;

private:
  struct face_handle;
  void readMetrics();

  std::string m_path;
  std::unique_ptr<face_handle> m_face;
  double m_unitsPerEm = 1000.0;
  double m_ascent = 0.0;
  double m_descent = 0.0;
  double m_externalLeading = 0.0;
  double m_capHeight = 0.0;
  // Glyph metrics by character, measured on first use.
  mutable std::unordered_map<char32_t, std::optional<od_glyph>> m_glyphs;
};
