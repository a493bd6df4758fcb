// The tables every undo snapshot of one text shares: each distinct
// character format once, and each distinct part content once (its kind,
// character, format, measured geometry, and a stack's texts or a paragraph
// break's format), so that a snapshot holds a part as one number.
//
// Entries are compared bit for bit, not by format equality (which forgives
// small height differences and ignores alignment), so a restored part is the
// part that was recorded. The geometry is kept as measured: restoring needs
// no measuring and gives back exactly the recorded values. Tables only grow;
// they belong to one history, on the thread of its text (the formats share
// their text styles' attributes with the text).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "mtext/geom_part.h"

namespace editor {

using cell_index = std::uint32_t;

class snapshot_tables {
public:
  // The number of `p`'s content, added when new. Throws ensure_error for a
  // part that is not one of the laid-out kinds or a word of other than one
  // character.
  cell_index intern(const mtext::geom_part& p);
  // A new laid-out part with the content of `cell`, at x = y = 0.
  mtext::geom_part* make_part(cell_index cell) const;

  std::size_t cell_count() const { return m_cells.items.size(); }
  std::size_t format_count() const { return m_formats.items.size(); }
  // Heap bytes the tables hold; the hash indexes' nodes are estimated.
  std::size_t bytes() const;

private:
  // The content of one part.
  struct cell {
    mtext::string_metrics geometry;
    std::uint32_t format = 0;
    std::uint32_t payload = 0;  // a stack's or a paragraph break's entry; the count of spaces
    char16_t character = 0;
    std::uint8_t kind = 0;
  };
  struct stack_entry {
    std::u16string upper, lower;
    std::uint32_t kind = 0;
    mtext::string_metrics upper_geometry, lower_geometry;
  };
  struct paragraph_entry {
    mtext::format::paragraph paragraph;
    bool column_break = false;
  };

  // Items kept once each, found by a hash of their value.
  template <class T>
  struct interned {
    std::vector<T> items;
    std::unordered_multimap<std::size_t, std::uint32_t> index;
    template <class Same>
    std::uint32_t find_or_add(const T& value, std::size_t hash, Same same);
    std::size_t bytes() const;
  };

  std::uint32_t intern_format(const mtext::format::string& f);

  interned<mtext::format::string> m_formats;
  interned<cell> m_cells;
  interned<stack_entry> m_stacks;
  interned<paragraph_entry> m_paragraphs;
  std::uint32_t m_last_format = 0;  // parts come in runs of one format
};

// Bit-for-bit equality, which format equality is not.
bool identical(const mtext::format::paragraph& a, const mtext::format::paragraph& b);

}  // namespace editor
