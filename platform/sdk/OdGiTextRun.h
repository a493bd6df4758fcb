// Places the glyphs of a run of text: which font draws each character, at
// which pen x and scale. Measurement and outlines share it, so that what is
// drawn is what was measured.
//
// Text of size s is drawn so that a capital stands s tall; the width factor
// scales x, the obliquing angle shears x by tan(angle) * y, and the tracking
// factor multiplies each character's advance.
#pragma once

#include <vector>

#include "platform/sdk/OdFont.h"

struct od_placed_glyph {
  const OdFont* font = nullptr;
  const od_glyph* glyph = nullptr;  // null for a character no font has
  char32_t character = 0;
  double pen_x = 0.0;    // drawing units, along the baseline
  double scale_x = 0.0;  // font units to drawing units
  double scale_y = 0.0;
};

struct od_text_run {
  std::vector<od_placed_glyph> glyphs;
  double end_x = 0.0;  // pen after the last character
  double shear = 0.0;  // tan(obliquing angle)
};

od_text_run odPlaceText(const OdGiTextStyle& style, const OdChar* text, int length);
