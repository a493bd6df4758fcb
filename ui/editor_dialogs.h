// The paragraph and column dialogs on a running edit: the values they open
// with, taken from the editing entity, and their result applied to it as
// one undo step (formatting for the line spacing, columns for the columns).
//
// The dialogs run through the host's dialog service; the toolbar's menus
// call `run_paragraph_dialog` and `run_columns_dialog`. Nothing here lays
// out controls of its own or knows a toolkit.
#pragma once

#include "editor/smart_edit.h"
#include "mtext/format.h"
#include "ui/columns_dialog.h"
#include "ui/paragraph_dialog.h"

namespace ui {

// Line spacing ---------------------------------------------------------------

// The dialog on the line spacing of the first paragraph the selections reach.
CParagraphDlg paragraph_dialog_on(editor::smart_edit& editor);
// The spacing an accepted dialog sets: its kind and factor, or none when unchecked.
mtext::format::line_spacing_change spacing_of(const CParagraphDlg& dialog);
// Sets the line spacing of every paragraph the selections reach, as one formatting step.
void apply_line_spacing(editor::smart_edit& editor, const mtext::format::line_spacing_change& spacing);
// Shows the dialog and applies it on OK; true on OK.
bool run_paragraph_dialog(editor::smart_edit& editor);

// Columns --------------------------------------------------------------------

// The dialog's values for the entity's columns, proposing at least two columns.
column_dialog_values column_dialog_values_of(const ExMTextEditable& entity);
// "More..." of the columns menu: static columns, at least seven of them.
column_dialog_values more_columns_proposal(column_dialog_values values);
// The entity's column settings after an accepted dialog: static columns get
// `count` columns of the height; dynamic manual columns keep their number,
// each of the height; no columns and auto height keep the frame's height.
editor::column_settings column_settings_of(const column_dialog_values& values, const editor::column_settings& before);
// Sets the entity's columns and lays the text out again, as one columns step.
void apply_columns(editor::smart_edit& editor, const editor::column_settings& columns);
// Shows the dialog on `values` and applies it on OK; true on OK.
bool run_columns_dialog(editor::smart_edit& editor, const column_dialog_values& values);

}  // namespace ui
