// The laid-out text: laid-out parts, the lines and columns of the last
// layout, the conversion parameters that steer it, and the marks.
//
// Parts and marks change only through insert and erase, which move the
// marks; lines and columns are stale after any change until the next
// `dispose`. Positions are part indices (position i lies before part i).
#pragma once

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

#include "mtext/geom_part.h"
#include "mtext/index_map.h"
#include "mtext/marks.h"
#include "mtext/part_snapshot.h"

namespace mtext {

using position = std::uint32_t;
constexpr position to_the_end = std::numeric_limits<position>::max();

enum : std::uint32_t { columns_static = 0, columns_dynamic_manual = 1, columns_dynamic_auto = 2 };

// The parameters of a layout, taken from a drawing object.
struct convert_info {
  double column_width = 0.0;  // one column, or the whole frame without columns
  double gutter = 0.0;
  std::uint32_t column_kind = columns_static;
  std::vector<double> column_heights{0.0};
  double text_height = 2.5;
  std::uint32_t horizontal = 1;  // 1 left, 2 centre, 3 right
  std::uint32_t vertical = 0;    // 0 top, 1 middle, 2 bottom
  std::uint32_t line_spacing_style = format::spacing_multiple;
  double line_spacing = 1.0;
  std::uint32_t layout_mode = 0;  // 0 drawing object, 1 multiline editor, 2 single-line editor
};

// One laid-out line: the font fields of its tallest part and its extent.
struct line_record : string_metrics {
  position begin = 0;
  position end = 0;
  double x = 0.0;  // x of the line's first part
  double y = 0.0;  // baseline
};

struct column_record {
  position begin = 0;
  position end = 0;
  double x = 0.0;       // left edge
  double y = 0.0;       // top
  double width = 0.0;
  double height = 0.0;  // from the top down to the bottom of the last line
};

// The stretch of parts that changed since the owner last took note: the
// parts before `first` and the last `tail` parts are the same objects,
// unchanged, as then. Re-layout and undo snapshots redo only the rest.
struct change_span {
  position first = to_the_end;
  position tail = to_the_end;
  // A paragraph break or a list label came, went or changed: the lists may
  // need numbering again.
  bool paragraphs = false;

  bool empty() const { return first == to_the_end; }
  // Joins a later change into this one, for a text of `size` parts now.
  void add(position at, position unchanged_tail, position size, bool paragraphs_changed = false);
  void add(const change_span& later, position size) {
    if (!later.empty()) add(later.first, later.tail, size, later.paragraphs);
  }
};

class geom_multitext {
public:
  geom_multitext();
  // Copies and moves point the snapshot at the parts of the text they make.
  geom_multitext(const geom_multitext& other);
  geom_multitext(geom_multitext&& other) noexcept;
  geom_multitext& operator=(const geom_multitext& other);
  geom_multitext& operator=(geom_multitext&& other) noexcept;

  // Moves all parts and marks of `other` in at `at`; `other` is left empty.
  geom_multitext& insert(position at, geom_multitext& other);
  geom_multitext& insert(position at, const geom_multitext& other);
  // Removes `count` parts from `at` (to_the_end: all the rest); with
  // `drop_empty_solids`, solid marks left empty go too.
  geom_multitext& erase(position at, position count, bool drop_empty_solids);
  geom_multitext& erase(const marks::mark& range, bool drop_empty_solids);
  // A copy holding only `count` parts from `at`.
  geom_multitext slice(position at, position count) const;

  void verify_mark(const marks::mark& m) const;
  void verify_elem(position at) const;

  position size() const { return static_cast<position>(parts.size()); }

  // What changed since the last `take_changes`; insert and erase record
  // themselves, a change of parts in place calls `touch`.
  const change_span& changes() const { return changes_; }
  change_span take_changes() { return std::exchange(changes_, change_span{}); }
  void touch(position at, position count) { changes_.add(at, size() - at - count, size(), has_paragraphs(at, count)); }

  // Takes the parts as they are now as the snapshot and resets the index
  // maps; every change of the part sequence ends with it.
  void refresh_snapshot();

  format::paragraph paragraph;
  geom_part_vector parts;
  std::vector<line_record> lines;
  convert_info info;
  std::vector<column_record> columns;
  marks::mark_vector marks;
  index_map snapshot_index;
  index_map part_index;
  part_snapshot snapshot;

private:
  bool has_paragraphs(position at, position count) const;

  change_span changes_;

  friend geom_multitext& to_geom(geom_multitext&, const multitext&, double, const string_size_finder&);
  // Moves `other`'s parts and marks to the end, leaving the snapshot to the
  // caller: building a text part by part then costs one snapshot, not one
  // per part.
  void append_without_snapshot(geom_multitext& other);
  void shift_marks_for_insert(position at, position count);
  void validate_range(position at, position count) const;
  void shift_marks_for_erase(position at, position count);
  void drop_empty_solids();
};

// The laid-out text of one line, without its final break; its line record
// still counts the break.
geom_multitext line(const geom_multitext& text, std::size_t index);

// Back to the logical model: one part per laid-out part, a field part for
// each field mark.
multitext flatten(const geom_multitext& text);

}  // namespace mtext
