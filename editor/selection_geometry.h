// Where selections and carets of a laid-out text lie: one box per line a
// selection covers, and a caret's top and bottom.
//
// All values are in the laid-out text's own plane (x right, y up, origin at
// the top left of the first column), as the layout left them; a stale
// layout gives stale boxes.
#pragma once

#include <optional>
#include <vector>

#include "mtext/geom_multitext.h"
#include "platform/sdk/OdGePoint3d.h"

namespace editor {

// The part of one line a selection covers, from the line's top to its bottom.
struct line_box {
  double left = 0.0, right = 0.0;
  double top = 0.0, bottom = 0.0;
};

// One box per line that the range [begin, end) covers, in line order.
std::vector<line_box> selection_boxes(const mtext::geom_multitext& text, mtext::position begin,
                                      mtext::position end);

struct caret_stem {
  OdGePoint3d top, bottom;
};

// The caret before part `at` on the line holding it; none without lines.
std::optional<caret_stem> caret_at(const mtext::geom_multitext& text, mtext::position at);

// True when the part before `at` is a word with a right-to-left letter
// (Hebrew to Thaana, U+0590..U+076D), so a caret there marks that direction.
bool right_to_left_before(const mtext::geom_multitext& text, mtext::position at);

}  // namespace editor
