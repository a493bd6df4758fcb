#include "ui/editor_dialogs.h"

#include <algorithm>

#include "editor/paragraph_editing.h"
#include "platform/host/IApp.h"

namespace ui {

namespace {

// One undo step of `kind` for a dialog's result. The editor joins
// consecutive operations of one kind, so caret steps fence the dialog's
// step off from the operations before and after it. Every path lays the
// text out again and redraws.
class dialog_step {
public:
  dialog_step(editor::smart_edit& editor, editor::edit_kind kind) : m_editor(editor) {
    m_editor.beginEdit(editor::edit_kind::caret);
    m_editor.beginEdit(kind);
  }
  ~dialog_step() {
    m_editor.entity().endOperation(true);
    m_editor.controls()->layout();
    m_editor.redraw();
    m_editor.beginEdit(editor::edit_kind::caret);
  }
  dialog_step(const dialog_step&) = delete;
  dialog_step& operator=(const dialog_step&) = delete;

private:
  editor::smart_edit& m_editor;
};

bool show(host_dialog_model& dialog) {
  IHostDialogs* dialogs = hostDialogs();
  return dialogs && dialogs->showDialog(dialog) == IDOK;
}

constexpr int more_columns_least = 7;

}  // namespace

CParagraphDlg paragraph_dialog_on(editor::smart_edit& editor) {
  ExMTextEditable& entity = editor.entity();
  const std::vector<mtext::format::paragraph*> paragraphs = editor::selected_paragraphs(entity.text());
  const mtext::format::paragraph& first = paragraphs.empty() ? entity.text().paragraph : *paragraphs.front();
  return CParagraphDlg(entity.textHeight(), first.line_spacing_style, first.line_spacing);
}

mtext::format::line_spacing_change spacing_of(const CParagraphDlg& dialog) {
  if (!dialog.enabled()) return {mtext::format::spacing_unset, 1.0};
  return {dialog.kind(), dialog.factor()};
}

void apply_line_spacing(editor::smart_edit& editor, const mtext::format::line_spacing_change& spacing) {
  dialog_step step(editor, editor::edit_kind::formatting);
  mtext::format::paragraph_partial change;
  change.line_spacing = spacing;
  editor.entity().edit([&](editor::geom_edit_target& target) { editor::change_selected_paragraphs(target.text(), change); });
}

bool run_paragraph_dialog(editor::smart_edit& editor) {
  CParagraphDlg dialog = paragraph_dialog_on(editor);
  if (!show(dialog)) return false;
  apply_line_spacing(editor, spacing_of(dialog));
  return true;
}

column_dialog_values column_dialog_values_of(const ExMTextEditable& entity) {
  const editor::column_settings& c = entity.columns();
  column_dialog_values v;
  v.type = c.type;
  v.auto_height = c.auto_height;
  v.count = std::max(static_cast<int>(entity.columnCount()), CMTextColumnsDlg::least_count);
  v.height = c.heights.empty() ? c.frame_height : c.heights.front();
  v.width = c.width;
  v.gutter = c.gutter;
  v.total = total_width(v.count, v.width, v.gutter);
  v.text_height = entity.textHeight();
  return v;
}

column_dialog_values more_columns_proposal(column_dialog_values values) {
  values.type = CMTextColumnsDlg::type_static;
  values.count = std::max(values.count, more_columns_least);
  values.total = total_width(values.count, values.width, values.gutter);
  return values;
}

editor::column_settings column_settings_of(const column_dialog_values& values, const editor::column_settings& before) {
  editor::column_settings c = before;
  c.type = values.type;
  c.auto_height = values.auto_height;
  c.width = values.width;
  c.gutter = values.gutter;
  c.heights.clear();
  if (values.type == CMTextColumnsDlg::type_static) {
    c.frame_height = values.height;
    c.heights.assign(static_cast<std::size_t>(values.count), values.height);
  } else if (values.type == CMTextColumnsDlg::type_dynamic && !values.auto_height) {
    c.frame_height = values.height;
    c.heights.assign(std::max<std::size_t>(before.heights.size(), 1), values.height);
  }
  return c;
}

void apply_columns(editor::smart_edit& editor, const editor::column_settings& columns) {
  dialog_step step(editor, editor::edit_kind::columns);
  editor.entity().setColumns(columns);
}

bool run_columns_dialog(editor::smart_edit& editor, const column_dialog_values& values) {
  CMTextColumnsDlg dialog(values);
  if (!show(dialog)) return false;
  apply_columns(editor, column_settings_of(dialog.values(), editor.entity().columns()));
  return true;
}

}  // namespace ui
