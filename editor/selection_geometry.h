// Where selections and carets of a laid-out text lie: one box per line a
// selection covers, a caret's top and bottom, and back from a point in the
// plane to the position nearest to it.
//
// All values are in the laid-out text's own plane (x right, y up, origin at
// the top left of the first column), as the layout left them; a stale
// layout gives stale boxes.
#pragma once

#include <functional>
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

// The line a caret at `at` stands on: the one holding the part after it, or
// the last line at the end of the text; none without lines.
std::optional<std::size_t> line_holding(const mtext::geom_multitext& text, mtext::position at);

// The position on line `index` whose caret x is nearest to `x`, among those
// `allowed` accepts (all when empty). A line's positions run from its begin
// to before its last part; the line that ends the text also has its end.
// Answers the line's begin when no position is allowed.
mtext::position position_on_line(const mtext::geom_multitext& text, std::size_t index, double x,
                                 const std::function<bool(mtext::position)>& allowed = {});

// The position nearest to a point of the plane: in the column nearest in x,
// the line nearest in y, then the position nearest in x. None without lines.
std::optional<mtext::position> position_at_point(const mtext::geom_multitext& text, const OdGePoint3d& point);

// True when the part before `at` is a word with a right-to-left letter
// (Hebrew to Thaana, U+0590..U+076D), so a caret there marks that direction.
bool right_to_left_before(const mtext::geom_multitext& text, mtext::position at);

}  // namespace editor
