// Paragraph formats of the selected paragraphs: what the ruler's markers,
// the tab stops and the paragraph dialog change.
//
// A selection reaches the paragraph its begin lies in through the one its
// end lies in; a caret, its own paragraph. Each paragraph's format is held
// by the break before it (the text's own `paragraph` for the first), so the
// change goes there, and the breaks are touched for re-layout and undo.
#pragma once

#include <vector>

#include "editor/geom_edit_target.h"
#include "mtext/format.h"

namespace editor {

// The formats of the paragraphs the selections reach, in text order, each once.
std::vector<mtext::format::paragraph*> selected_paragraphs(mtext::geom_multitext& text);

// Applies `change` to every paragraph the selections reach.
void change_selected_paragraphs(mtext::geom_multitext& text, const mtext::format::paragraph_partial& change);

}  // namespace editor
