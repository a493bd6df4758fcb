// Incremental re-layout: after an edit of a laid-out text, lays out again
// only the lines the edit reaches, with the same lines, columns and part
// positions a full `dispose` would give.
//
// It keeps the flow state before each line (what `dispose` carries from one
// line to the next: column, top, last baseline and bottom, paragraph in
// force). After a change it re-breaks from the first line whose breaking can
// see the change: the line holding the first changed part, or an earlier one
// while the change touches the first word of that line (the line before
// reads that word to decide whether it fits, so the word may move up). It
// stops at the first new line that begins in the unchanged rest of the text
// with the same state as the old line beginning there; the old lines, columns
// and states below are kept, their positions moved by the change in part
// count, and their parts are not touched.
//
// It falls back to a full `dispose` when
// - the text was not laid out by this object last, as far as it can tell:
//   the line count, the part count less the change, the layout parameters
//   or the text's paragraph format differ from what it kept;
// - columns are aligned vertically other than at the top: every part's y
//   then depends on the height of its column.
// Flowing columns, column breaks, line spacing, paragraph breaks that come
// or go, and list items (whose numbers are parts of the text) need no
// fallback: they are all in the compared state or in the parts.
#pragma once

#include <vector>

#include "mtext/column_flow.h"

namespace mtext {

// An edit of the part sequence: `erased` parts at `at` gave way to
// `inserted` parts (either may be 0).
struct part_change {
  position at = 0;
  position erased = 0;
  position inserted = 0;
};

class incremental_layout {
public:
  // Lays the whole text out as `dispose` does, keeping the flow states.
  void dispose(geom_multitext& text);
  // Lays `text` out again after `change`, the only change since this
  // object last laid it out. Returns false when it laid out the whole text.
  bool update(geom_multitext& text, const part_change& change);

private:
  bool can_resume(const geom_multitext& text, const part_change& change) const;
  void keep(const geom_multitext& text);
  void check_invariant(const geom_multitext& text) const;

  std::vector<layout_detail::flow_state> states_;  // before each line
  position size_ = 0;
  convert_info info_;
  format::paragraph paragraph_;
};

}  // namespace mtext
