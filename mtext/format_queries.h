// Format queries on laid-out text: the format algebra applied to ranges of
// laid-out parts, and the formats a selection or caret shows or gives to
// newly typed text.
//
// These functions read and write part formats only; they never re-measure
// parts nor move marks (a caller that changes formats re-measures and lays
// the text out again). Positions covered by a list item's generated number
// (`marks::numbering`) take no part in the position queries.
#pragma once

#include <vector>

#include "mtext/format_algebra.h"
#include "mtext/geom_multitext.h"

namespace mtext::format {

// Non-owning laid-out parts, as callers collect them from one or more
// selections; the parts stay owned by their text's `parts`.
using part_pointers = std::vector<geom_part*>;

// What the character formats of the parts [first, last) have in common; an
// empty range has nothing in common (every field unset).
string_partial intersection(geom_part_vector::const_iterator first, geom_part_vector::const_iterator last);
// What `p` and the paragraphs opened inside [first, last) have in common.
paragraph_partial intersection(const paragraph& p, geom_part_vector::const_iterator first,
                               geom_part_vector::const_iterator last);

// Writes the change into the character format of every part of the range.
void apply_to(part_pointers::const_iterator first, part_pointers::const_iterator last,
              const string_partial& change);
void apply_to(geom_part_vector::iterator first, geom_part_vector::iterator last, const string_partial& change);

// Writes the change into `p` (the paragraph the range begins in) and into the
// paragraphs opened inside the range, except by its last part and, when that
// part is a paragraph break, by the part before it.
void apply_to(paragraph& p, part_pointers::const_iterator first, part_pointers::const_iterator last,
              const paragraph_partial& change);
void apply_to(paragraph& p, geom_part_vector::iterator first, geom_part_vector::iterator last,
              const paragraph_partial& change);

// The character format a mark shows: the common part of the selected parts,
// or the format of the part before a caret; `default_format` at the start of
// the text or for a selection of list numbers only. Throws
// std::invalid_argument for a mark outside the text.
string_partial current_format(const geom_multitext& g, const string& default_format, const marks::mark& m);

// The paragraph format a mark shows: the common part of the paragraph it
// starts in and of the paragraphs opened inside it. Throws
// std::invalid_argument for a mark outside the text.
paragraph_partial current_paragraph_format(const geom_multitext& g, const marks::mark& m);

// The format text typed at `at` receives. Throws std::invalid_argument for a
// position past the end.
string insertion_format(const geom_multitext& g, const string& default_format, position at);
// The format text typed over a selection (or at a caret) receives: the first
// selected part's format with the selection's common part applied. Throws
// std::invalid_argument for a mark outside the text.
string insertion_format(const geom_multitext& g, const string& default_format, const marks::mark& m);

}  // namespace mtext::format
