// OdShapeFont: a compiled shape font (.shx), its glyphs drawn by running
// each shape's pen commands.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/sdk/OdStrokeFont.h"

class OdShapeFont : public OdStrokeFont {
public:
  // Reads "AutoCAD-86 shapes 1.0/1.1" and "unifont 1.0" files; null for any
  // other file (a big font, a damaged file), which the caller replaces.
  static OdFontPtr load(const std::string& path);

  const char* kind() const override { return "shx"; }

protected:
  OdShapeFont() = default;
  // Runs the character's shape the first time it is asked for.
  const stroke_glyph* findGlyph(char32_t character) const override;

private:
  bool m_unifont = false;
  std::unordered_map<std::uint32_t, std::vector<std::uint8_t>> m_shapes;  // pen commands by shape number
};
