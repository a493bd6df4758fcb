// What dragging a ruler marker or a frame handle does to the formats: the
// snapping, the clamping and the new paragraph and column settings, as
// small free functions on values. The editor applies them to the selected
// paragraphs and the entity (editor/gadget_drag.h).
#pragma once

#include <vector>

#include "editor/ruler_model.h"

namespace editor {

// The whole number of ruler units nearest a length, halves up.
ruler_units snap(drawing_units x, drawing_units unit);

// A paragraph's indents in ruler units: the first line's from the left indent.
struct indents {
  ruler_units first = 0.0, left = 0.0, right = 0.0;
  friend bool operator==(const indents&, const indents&) = default;
};
indents indents_of(const mtext::format::paragraph& p, drawing_units unit);
void set_indents(mtext::format::paragraph& p, const indents& i, drawing_units unit);

enum class indent_marker { first, left, right };

// The indents after a marker was dragged to `n` in a column `w` ruler units
// wide. The left marker keeps the first line in its place; none passes the
// other side's indent.
indents dragged(indents i, indent_marker marker, ruler_units n, ruler_units w);

// Puts a stop into a list kept in order of position; a stop at that position goes.
void put_tab(std::vector<mtext::format::tab_stop>& tabs, const mtext::format::tab_stop& stop);
void remove_tab(std::vector<mtext::format::tab_stop>& tabs, ruler_units position);

// The settings with a new column width, never below the text height.
column_settings with_column_width(column_settings c, drawing_units width, drawing_units text_height);
column_settings with_gutter(column_settings c, drawing_units gutter);
// The settings with one column `height` tall (never below the text height):
// dynamic columns get manual heights, the others a new frame height.
// `heights` are the columns' heights now.
column_settings with_column_height(column_settings c, std::size_t index, drawing_units height,
                                   const std::vector<drawing_units>& heights, drawing_units text_height);

}  // namespace editor
