// One line of a layout: which parts it takes, where they go horizontally,
// and its metrics. Used by `dispose`; positions and x are relative to the
// column's left edge, y relative to the line's top.
#pragma once

#include "mtext/geom_multitext.h"

namespace mtext::layout_detail {

// A paragraph format ready for layout: tab stops sorted, duplicates gone.
format::paragraph normalised(const format::paragraph& p);

struct tab_target {
  bool found = false;
  double position = 0.0;  // drawing units
  bool is_default = false;
};

// The next tab stop after `pen_x`.
tab_target next_tab_stop(const format::paragraph& p, const convert_info& info, double pen_x);

struct built_line {
  position begin = 0;
  position end = 0;
  string_metrics metrics;
  // The paragraph format that a paragraph break at the end of the line opens.
  const format::paragraph* opened = nullptr;
};

// Takes parts from `begin` into one line, places them horizontally and
// vertically within the line, and returns its extent and metrics.
built_line build_line(geom_multitext& text, position begin, const format::paragraph& paragraph,
                      bool paragraph_start);

}  // namespace mtext::layout_detail
