// Layout: logical text into measured parts (`to_geom`), and measured parts
// into lines and columns (`dispose`).
//
// Measuring happens only in `to_geom` (and `update_geometry`); `dispose` is a
// pure pass over measured parts that sets x, y, tab advances, lines and
// columns, and always makes progress. It does not hyphenate, never splits a
// word, and places centre, right and decimal tab stops like left ones.
#pragma once

#include <string>

#include "mtext/geom_multitext.h"

namespace mtext {

// A laid-out text of `text`, character by character, in one format.
geom_multitext to_geom(const std::u16string& text, const format::string& format, double text_height,
                       const string_size_finder& finder);
// Replaces `target`'s content by the laid-out parts of `text`.
geom_multitext& to_geom(geom_multitext& target, const multitext& text, double text_height,
                        const string_size_finder& finder);
// Appends the laid-out parts of one logical part; field marks start at 0.
geom_multitext& to_geom(geom_multitext& target, const part& p, double text_height,
                        const string_size_finder& finder);
// Appends one character: TAB a tab, LF a line break, CR nothing, a space a space.
geom_multitext& to_geom(geom_multitext& target, char16_t c, const format::string& format,
                        double text_height, const string_size_finder& finder);

// Lays the text out into lines and columns.
void dispose(geom_multitext& text);

// A paragraph format in text heights: lengths and tab positions divided by
// `text_height` unless already extended.
format::paragraph extended_paragraph(const format::paragraph& p, double text_height);

}  // namespace mtext
