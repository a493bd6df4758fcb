// Draws a laid-out text as SVG: its glyphs where the layout put them, and
// optionally the line, column and frame boxes.
#pragma once

#include <ostream>

#include "mtext/geom_multitext.h"

namespace cadtext {

void write_layout_svg(std::ostream& out, const mtext::geom_multitext& text, bool boxes);

}  // namespace cadtext
