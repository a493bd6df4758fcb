// OdFont: a loaded font that answers its vertical metrics and, per
// character, its glyph's advance, ink box and outline.
//
// Every length is in the font's own units: font design units for TrueType
// fonts, stroke units for shape and stroke fonts; y up, the pen at the
// origin on the baseline.
#pragma once

#include <optional>
#include <vector>

#include "platform/sdk/OdGiTextOutline.h"
#include "platform/sdk/OdGiTextStyle.h"
#include "platform/sdk/OdRxObject.h"

// The measured box and advance of one glyph.
struct od_glyph {
  double advance = 0.0;
  double min_x = 0.0, min_y = 0.0, max_x = 0.0, max_y = 0.0;  // ink box
  bool has_ink = false;
};

class OdFont : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdFont);

  // The four vertical quantities, as a Windows text-metric query reports
  // them: ascent, descent (positive), full line height (height plus external
  // leading) and internal leading.
  virtual double getAbove() const = 0;
  virtual double getBelow() const = 0;
  virtual double getHeight() const = 0;
  virtual double getInternalLeading() const = 0;
  virtual bool isShxFont() const = 0;

  // The height of capital letters: text of size s is drawn s / capHeight()
  // times the font's size, so that a capital stands s tall.
  virtual double capHeight() const = 0;
  // "truetype", "shx" or "hershey".
  virtual const char* kind() const = 0;
  virtual OdString fileName() const = 0;

  // The glyph of a character; null when the font has none.
  virtual const od_glyph* glyph(char32_t character) const = 0;
  virtual std::vector<OdGiGlyphContour> glyphOutline(char32_t character) const = 0;
};

// Resolves a style's font in force: its shape file (a real .shx file on the
// font path, else the Roman Simplex stroke font) or its typeface through
// fontconfig. Loaded fonts are kept for the life of the process.
OdFontPtr odResolveFont(const OdGiTextStyle& style, OdDbDatabase* database);

// A font file that holds a TrueType or OpenType face (".ttf", ".ttc",
// ".otf", any letter case), not shapes.
bool odIsTrueTypeFileName(const OdString& fileName);
// The typeface a TrueType file holds: the family name of the file on the
// font path, else the file's name without its extension. Found once per file.
OdInternedName odTrueTypeFamilyOfFile(const OdInternedName& fileName);

// The font that draws characters a shape font lacks.
OdFont* odFallbackFont();
