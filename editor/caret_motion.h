// Caret motion and selecting: the keyboard's movements and the mouse's
// selections, at every selection of a laid-out text.
//
// A move acts on each selection's head; with `extend` the anchor stays
// (Shift), otherwise the selection collapses to a caret at the new head.
// Heads only come to rest outside solids (text_steps.h), and overlapping
// selections are merged after every move. Moves by line and to a line's
// edge read the text's lines and do nothing without them; the caller lays
// the text out after each change. These functions move marks only; the
// parts stay as they are. A repeat count of 0 does nothing.
#pragma once

#include "editor/text_steps.h"

namespace editor {

// Left and Right. Without `extend` a non-empty selection first collapses to
// its start (backward) or end (forward) without moving further.
void move_by_step(mtext::geom_multitext& text, direction way, bool by_word, bool extend, unsigned count = 1);

// Up and Down, to the position on the previous or next line nearest to the
// head's x (kept over the repetitions of one call); up from the first line
// to the start of the text, down from the last to its end. With
// `add_carets` a caret is added at each moved head and the selections stay
// (`extend` is then ignored).
void move_by_line(mtext::geom_multitext& text, direction way, bool extend, bool add_carets, unsigned count = 1);

// Home and End of the head's line. Home stops after a list label that opens
// the line; End stops before the line's break, or before the last part of a
// wrapped line (the position after it shows on the next line).
void move_to_line_edge(mtext::geom_multitext& text, direction way, bool extend);

// Page Up and Page Down: the start or end of the text.
void move_to_text_edge(mtext::geom_multitext& text, direction way, bool extend);

// One selection from the start of the text to its end.
void select_all(mtext::geom_multitext& text);
// Keeps the first selection of the marks, the primary one.
void keep_first_selection(mtext::geom_multitext& text);

// A caret at `at` (out of solids), replacing all selections or added to them.
void select_at(mtext::geom_multitext& text, position at, bool add);
// The primary selection's head moved to `at`, its anchor kept (Shift+click,
// dragging); a caret at `at` when there is no selection.
void extend_to(mtext::geom_multitext& text, position at);
// When a solid holds `at` strictly inside, selects it as the only selection
// and answers true: a field whole; a list label, which is generated and not
// selected, gives a caret after it.
bool select_solid_at(mtext::geom_multitext& text, position at);
// The word around `at` (word_around) as the only selection.
void select_word_at(mtext::geom_multitext& text, position at);

}  // namespace editor
