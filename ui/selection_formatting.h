// The toolbar's changes of the selected text: character formats, letter
// case, stacks, and the list kind of the selected paragraphs.
//
// Each works on the text of a running edit (`geom_edit_target`) at every
// non-empty selection; a caret alone changes nothing. Parts changed in
// place are re-measured and touched so that layout and undo see them;
// laying the text out again is the caller's business.
#pragma once

#include <cstdint>
#include <optional>

#include "editor/geom_edit_target.h"
#include "mtext/format.h"

namespace ui {

// Writes `change` into every selected part outside list labels; true when
// any part was selected.
bool change_selected_characters(editor::geom_edit_target& target, const mtext::format::string_partial& change);

// A style flag of the character format (bold, italic, underline, overline).
using style_flag = std::int32_t mtext::format::string_partial::*;
// Turns the flag on for the selection unless the whole selection has it,
// then off; answers the new state.
bool toggle_flag(editor::geom_edit_target& target, const mtext::format::string_partial& current, style_flag flag);

// Upper- or lower-cases the selected characters.
void map_selected_case(editor::geom_edit_target& target, bool upper);

// Stacking: a selection of stacks only is unstacked ("1/2" again); any other
// selection becomes one stack, split at its first "/", "#" or "^"
// (superscript and subscript put the text above or below an empty half).
enum class stack_kind { fraction, superscript, subscript };
void stack_selection(editor::geom_edit_target& target, stack_kind kind);
// Whether the selections can be stacked: something selected, no break in it.
bool can_stack(const mtext::geom_multitext& text);
// Whether every selected part is a stack.
bool selection_is_stacked(const mtext::geom_multitext& text);

// List kinds of the numbering menu.
struct list_kind {
  enum kind_t { off, numbered, bulleted, lettered_lower, lettered_upper } kind = off;
  std::uint32_t alphabet = 0;
  friend bool operator==(const list_kind&, const list_kind&) = default;
};
// The list kind of the paragraph the first selection starts in.
list_kind current_list_kind(const mtext::geom_multitext& text);
// Makes every paragraph the selections reach a list item of `kind` (or a
// plain paragraph), then renumbers the lists.
void set_list_kind(editor::geom_edit_target& target, list_kind kind);

}  // namespace ui
