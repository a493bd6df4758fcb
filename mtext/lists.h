// Numbered, lettered and bulleted lists: paragraphs whose text begins with a
// prefix such as "1.", "2.3.", "b." or "·" and a tab. The prefix is covered by
// a `marks::numbering` mark; these functions recognise, renumber, rewrite
// and re-indent such items.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mtext/geom_multitext.h"
#include "mtext/letters_dictionary.h"

namespace mtext {

// One counter per numbering slot: decimal, bullet, then lower and upper
// case of every alphabet.
struct number_counter {
  explicit number_counter(std::size_t alphabets = 0) : value(2 + 2 * alphabets, 0) {}
  // The slot of a kind of index; ensure_error beyond the counter.
  std::size_t index_of(std::uint32_t kind, std::uint32_t alphabet) const;

  std::vector<std::uint32_t> value;
};

// The text of one index: "12.", "ab.", "AB." or the bullet "·".
std::u16string prefix_text(const marks::numbering_index& index, const marks::letters_dictionary& dictionary);
// A value in bijective letters: 1 the first letter, N + 1 the first twice.
std::u16string letters_of(std::uint32_t value, const std::u16string& letters);

// Recognises a list item at a paragraph start. On success the iterator
// stands after the prefix's tab and the caller owns the mark; otherwise it
// stands at the first part that is no character and the result is null.
std::unique_ptr<marks::numbering> parse_numbering(const geom_multitext& text,
                                                  const marks::letters_dictionary& dictionary,
                                                  geom_part_vector::const_iterator& at,
                                                  geom_part_vector::const_iterator end, bool flag = false);

// Replaces the text's numbering marks by freshly recognised ones.
void mark_numberings(geom_multitext& text, const marks::letters_dictionary& dictionary);

// The paragraph format of the paragraph a position lies in.
format::paragraph& paragraph_at(geom_multitext& text, position at);

// Rewrites an item's prefix from its indices.
void update_numbering(geom_multitext& text, marks::numbering& item, const string_size_finder& finder,
                      const marks::letters_dictionary& dictionary);
// Sets the indents and tab that hang the prefix left of the item text.
void update_numbering_indent(geom_multitext& text, const marks::numbering& item, format::paragraph& paragraph);
void update_numberings_indent(geom_multitext& text, const marks::letters_dictionary& dictionary);
// One level deeper (true) or shallower (false).
void indent_numbering(geom_multitext& text, marks::numbering& item, format::paragraph& paragraph,
                      const string_size_finder& finder, bool deeper, const marks::letters_dictionary& dictionary);
// Turns an item back into a plain paragraph.
void clear_numbering(geom_multitext& text, marks::numbering& item, format::paragraph& paragraph);

namespace marks {
// Renumbers the numbering marks in vector order.
void update_numberings(mark_vector& marks, const letters_dictionary& dictionary);
}  // namespace marks

}  // namespace mtext
