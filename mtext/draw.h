// Drawing laid-out text through the graphics layer: every part where the
// layout put it, in its own format and colour.
//
// Coordinates are the laid-out text's own (x right from the left edge of the
// first column, y up from the top of the first line); the caller pushes the
// transform into the drawing. What is drawn is what was measured: the same
// font, height, width factor, obliquing and tracking.
#pragma once

#include "mtext/geom_multitext.h"
#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdGiWorldDraw.h"

namespace mtext {

// The colour a part draws in: its index or true colour; by layer, by block
// and the unset colour of a text object's own format take `own`, the colour
// of the object that holds the text.
OdCmEntityColor drawing_color(const color& c, const OdCmEntityColor& own);

// Puts the colour a part draws in into the traits.
using color_rule = void (*)(OdGiSubEntityTraits& traits, const color& c, const OdCmEntityColor& own);
// The rule of drawing objects: always the true colour of drawing_color.
void set_drawing_color(OdGiSubEntityTraits& traits, const color& c, const OdCmEntityColor& own);

// Draws every part of `text`: words and stacks as text, underlines,
// overlines and strike-throughs as lines, and the bar of a stack.
void draw(const geom_multitext& text, OdGiCommonDraw& draw, OdGiGeometry& geometry, const OdCmEntityColor& own,
          color_rule rule = set_drawing_color);

}  // namespace mtext
