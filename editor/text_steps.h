// Where one step of a caret leads in a laid-out text: by character or by
// word, a solid mark (field, list label) passed as one unit, and the word
// around a position.
//
// Word rule: the parts fall into three kinds. Characters (a laid-out word
// part of one character, a stacked fraction, and a field as a whole) make
// words; spaces and tabs are blanks; line and paragraph breaks and list
// labels are neither. A word is a run of character units; a step by word
// backward goes to the start of the word before the caret (across blanks,
// breaks and labels), forward to the end of the word after it. So "a,b" is
// one word and a field glued to letters is part of their word.
//
// These functions only read the text; they answer positions.
#pragma once

#include "mtext/geom_multitext.h"

namespace editor {

using mtext::position;

enum class direction { backward, forward };

struct span {
  position begin = 0;
  position end = 0;
};

// The solid a caret at `at` would stand in: one that holds it strictly
// inside, or at its begin when that begin is closed (a list label). Null
// when a caret may rest at `at`.
const mtext::marks::solid* solid_holding(const mtext::geom_multitext& text, position at);
inline bool rest_position(const mtext::geom_multitext& text, position at) { return !solid_holding(text, at); }

// `at` moved out of solids to the first rest position in the direction of
// travel; backward from a label at the start of the text, to its end.
position rest_towards(const mtext::geom_multitext& text, position at, direction way);

// One character from `at`, a solid counting as one; `at` itself at either
// end of the text or when nothing but a label lies that way.
position step_character(const mtext::geom_multitext& text, position at, direction way);
// To the start of the word before `at` or the end of the word after it.
position step_word(const mtext::geom_multitext& text, position at, direction way);

// What a double-click at `at` selects: the word or the run of blanks at
// `at` (the part after it, else the part before it when that is a
// character), a solid that holds `at` as a whole; an empty span on a
// break or a label.
span word_around(const mtext::geom_multitext& text, position at);

}  // namespace editor
