// selected_text: what the selections of a laid-out text hold, as plain text
// for other programs and as a model for the content writer.
#pragma once

#include <string>

#include "mtext/geom_multitext.h"

namespace editor {

// The characters of every selection in order, without formatting: tabs as
// TAB, breaks as CR LF, non-breaking spaces as "\~".
std::u16string selected_plain_text(const mtext::geom_multitext& text);

// The parts of every selection in order, in the paragraph format the first
// selection starts in; a field cut anywhere comes whole.
mtext::multitext selected_model(const mtext::geom_multitext& text);

// The format of the paragraph a position lies in; lists.h's paragraph_at
// answers the same for a text it may change.
const mtext::format::paragraph& paragraph_of(const mtext::geom_multitext& text, mtext::position at);

}  // namespace editor
