// Undo snapshots of a laid-out text whose cost follows the size of the edit.
//
// A snapshot keeps what a restore needs to give the text back exactly: its
// parts (each as a number in the history's `snapshot_tables`, in a
// persistent chunk sequence), their character formats and geometry, the
// text's paragraph format, its conversion parameters and its marks. It
// keeps no lines, columns or part positions: after a restore the caller lays
// the text out again.
//
// A snapshot is taken against a base, the previous snapshot of the same
// text, and shares with it every chunk the parts changed since the base did
// not reach; the marks and the text's own formats are shared when equal. So
// taking one costs time and memory in proportion to the parts changed, not
// to the text's size. Snapshots are immutable values; copies are cheap.
//
// The caller's contract: `since_base` is every change of the text's parts
// since `base` was taken or restored, as the text records it
// (geom_multitext::changes). When the snapshots are the only reader of the
// text's changes, the caller calls `text.take_changes()` as it takes each
// snapshot and right after each restore (a restore records a change of
// everything, for the layout, yet the text then is the base exactly); when
// another reader also takes them, the caller joins what each take gives into
// its own span with `change_span::add`. A part changed in place without
// `touch` is not seen.
#pragma once

#include <cstddef>
#include <memory>

#include "editor/snapshot_chunks.h"
#include "editor/snapshot_tables.h"
#include "mtext/geom_multitext.h"

namespace editor {

// Whether a snapshot keeps the marks of list numbers. They follow from the
// parts, so a history that numbers the lists again after each restore can
// leave them out: a long list then costs a snapshot nothing.
enum class list_numbers { keep_list_numbers, renumber_on_restore };
using enum list_numbers;

class text_snapshot {
public:
  // The empty text.
  text_snapshot() = default;

  mtext::position size() const { return m_cells.size(); }
  // Heap bytes the snapshot added when it was taken, beyond what it shares
  // with its base and the tables: its new chunks and nodes, and its marks and
  // text formats when they differ from the base's.
  std::size_t added_bytes() const { return m_added_bytes; }
  const cell_sequence& cells() const { return m_cells; }

private:
  // The text's own formats, which change rarely.
  struct text_formats {
    mtext::format::paragraph paragraph;
    mtext::convert_info info;
  };

  friend text_snapshot take_snapshot(snapshot_tables&, const mtext::geom_multitext&, const text_snapshot&,
                                     const mtext::change_span&, list_numbers);
  friend void restore(const text_snapshot&, const snapshot_tables&, mtext::geom_multitext&);

  cell_sequence m_cells;
  std::shared_ptr<const text_formats> m_formats;
  std::shared_ptr<const mtext::marks::mark_vector> m_marks;
  std::size_t m_added_bytes = 0;
};

// A snapshot of `text` sharing with `base` all but the parts in
// `since_base`. Throws std::invalid_argument when the span does not fit the
// sizes of `base` and `text`.
text_snapshot take_snapshot(snapshot_tables& tables, const mtext::geom_multitext& text, const text_snapshot& base,
                            const mtext::change_span& since_base, list_numbers list_numbers = keep_list_numbers);
// A snapshot of the whole text, the first of a history.
text_snapshot take_snapshot(snapshot_tables& tables, const mtext::geom_multitext& text,
                            list_numbers list_numbers = keep_list_numbers);

// Replaces the parts, paragraph format, conversion parameters and marks of
// `text` by the snapshot's, taken with `tables`; lines and columns are left
// empty, and the text records a change of everything.
void restore(const text_snapshot& snapshot, const snapshot_tables& tables, mtext::geom_multitext& text);

}  // namespace editor
