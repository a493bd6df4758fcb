// Merging single-line Texts into one MText ("Text2MText"): reading order,
// row joining, each Text's look as inline codes where it differs from the
// first Text, a frame fixed to the merged text's size, and placement by the
// first Text's justification.
//
// Positions and bounding points are world points; the reading order compares
// world x and y and does not look at rotation.
#pragma once

#include <vector>

#include "mtext/format.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

namespace text_to_mtext {

// True when `a` reads before `b`: higher by more than a tenth of the sum of
// their heights, or on the same row and further left.
bool reads_before(const OdDbText& a, const OdDbText& b);
// Stable sort into reading order (an insertion sort: the comparison's
// tolerance makes it no strict weak order, and selections are small).
void sort_reading_order(std::vector<OdDbTextPtr>& texts);

// A Text's own character format: its style's font, its height, width factor,
// oblique angle and colour.
mtext::format::string text_format(const OdDbText& text);
// The content value of an entity colour: a true colour as the "\c" number
// (blue, green, red from high to low byte), else the colour index.
mtext::color content_color(const OdCmEntityColor& color);

// The MText of the Texts in the order given (not yet in a database; null for
// an empty list). `database` gives the defaults.
OdDbMTextPtr merge(const std::vector<OdDbTextPtr>& texts, OdDbDatabase* database);

}  // namespace text_to_mtext
