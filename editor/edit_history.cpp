#include "editor/edit_history.h"

namespace editor {

edit_state edit_history::capture(ExMTextEditable& entity) {
  const mtext::change_span since_base = entity.takeSnapshotChanges();
  m_base = m_base ? take_snapshot(m_tables, entity.text(), *m_base, since_base, renumber_on_restore)
                  : take_snapshot(m_tables, entity.text(), renumber_on_restore);
  return {entity.columns(), entity.textHeight(), entity.textStyle(), entity.attachment(), *m_base};
}

void edit_history::restore(ExMTextEditable& entity, const edit_state& state) {
  entity.setTextHeight(state.text_height);
  entity.setTextStyle(state.style);
  entity.setAttachment(state.attachment);
  entity.setColumns(state.columns);
  mtext::geom_multitext text;
  editor::restore(state.text, m_tables, text);
  entity.restoreText(std::move(text));
  m_base = state.text;
}

edit_state edit_history::pop_undo() {
  edit_state top = std::move(m_undo.back());
  m_undo.pop_back();
  return top;
}

edit_state edit_history::pop_redo() {
  edit_state top = std::move(m_redo.back());
  m_redo.pop_back();
  return top;
}

std::size_t edit_history::bytes() const {
  std::size_t total = m_tables.bytes();
  for (const auto* stack : {&m_undo, &m_redo})
    for (const edit_state& s : *stack) total += sizeof(edit_state) + s.text.added_bytes();
  return total;
}

}  // namespace editor
