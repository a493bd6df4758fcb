// Glyph outlines of a text run, from the same font data that measures it.
#pragma once

#include <vector>

#include "platform/sdk/OdGePoint2d.h"
#include "platform/sdk/OdGiTextStyle.h"

// One contour of a glyph: a closed filled outline (TrueType) or an open
// stroke (shape and stroke fonts), curves already flattened to points.
struct OdGiGlyphContour {
  std::vector<OdGePoint2d> points;
  bool closed = true;
};

// Outlines of `text` drawn in `style`, in the text's own space: the baseline
// runs along +x from the origin, +y is up, lengths are drawing units with the
// style's text size, width factor, obliquing angle and tracking applied, so
// the pen advance matches OdGiDefaultContext::textExtentsBox.
std::vector<OdGiGlyphContour> odTextOutlines(const OdGiTextStyle& style, const OdString& text);
