// Typing: the changes of text an editing key makes, at every selection of
// an edit target, each selection on its own in the marks' order.
//
// Every change goes through the text's insert and erase (a part changed in
// place is touched), so the text's `changes()` cover it; the selections
// move with the parts and are merged at the end. Inserted parts are
// measured here; laying the text out again is the caller's business, after
// the whole operation. A repeat count of 0 does nothing.
//
// Lists: a paragraph break inside a list item opens the next item, Tab
// indents items or makes one of a label typed before it, and deleting
// into a label takes the label away; these renumber the lists afterwards
// (edit_target::update_numbering).
#pragma once

#include <string_view>

#include "editor/geom_edit_target.h"

namespace editor {

// Inserts the characters `count` times at every selection, replacing a
// selected range, in the format typed text gets at that selection. TAB
// inserts a tab and LF a line break.
void insert_text(geom_edit_target& target, std::u16string_view characters, unsigned count = 1);
inline void insert_line_break(geom_edit_target& target, unsigned count = 1) { insert_text(target, u"\n", count); }

// Opens a new paragraph (in the next column with `column_break`) at every
// selection, replacing a selected range. The new paragraph keeps the split
// paragraph's format; in a list item it begins with the next item's label.
void insert_paragraph_break(geom_edit_target& target, bool column_break, unsigned count = 1);

// Tab at every selection: right after a list label it makes the item one
// level deeper (shallower with `outdent`); a selection over several list
// items does so to all of them; otherwise a tab replaces the selection, and
// a label typed before it at the paragraph's start ("1." then Tab) makes
// the paragraph a list item.
void insert_tab(geom_edit_target& target, bool outdent, unsigned count = 1);

// Backspace. A non-empty selection goes as a whole. A caret takes the
// character (or with `by_word` the word, text_steps.h) before it, a field
// whole. Right after a list label it takes the label and the item's hanging
// indents, leaving a plain paragraph. Right after a paragraph break whose
// format is not the default one it resets that format and takes nothing;
// the next Backspace takes the break.
void delete_backward(geom_edit_target& target, bool by_word, unsigned count = 1);

// Delete: as Backspace, but the character or word after the caret; a break
// before a list item goes with the item's label, joining the item's text to
// the paragraph before.
void delete_forward(geom_edit_target& target, bool by_word, unsigned count = 1);

// Replaces the characters of `field` (a field mark of the target's text)
// by the value of `object`, under a new field mark, in the format of the
// field's first character. Selections within move after the new field.
void replace_field(geom_edit_target& target, const mtext::marks::field& field, OdSmartPtr<OdDbField> object);

// Makes the characters of `field` plain text: they stay, the mark goes.
void field_to_text(geom_edit_target& target, const mtext::marks::field& field);

}  // namespace editor
