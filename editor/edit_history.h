// edit_history: the editor's undo and redo stacks of whole editing states.
//
// A state holds the frame, the text height, the style, the attachment and
// the laid-out text with its marks; restoring one replaces the entity's
// state wholesale.
// The text is kept as a snapshot that shares every part the edits since the
// previous snapshot did not touch, so a step costs what it changed.
#pragma once

#include <optional>
#include <vector>

#include "editor/mtext_editable.h"
#include "editor/snapshot_tables.h"
#include "editor/text_snapshot.h"

namespace editor {

struct edit_state {
  column_settings columns;
  double text_height = 0.0;
  OdDbObjectId style;
  OdDbMText::AttachmentPoint attachment = OdDbMText::kTopLeft;
  text_snapshot text;
};

class edit_history {
public:
  bool can_undo() const { return !m_undo.empty(); }
  bool can_redo() const { return !m_redo.empty(); }
  std::size_t undo_depth() const { return m_undo.size(); }
  std::size_t redo_depth() const { return m_redo.size(); }

  // The entity's state now, sharing what it can with the last state taken or restored.
  edit_state capture(ExMTextEditable& entity);
  // Puts `state` into the entity; later captures share with it.
  void restore(ExMTextEditable& entity, const edit_state& state);

  void push_undo(edit_state state) { m_undo.push_back(std::move(state)); }
  void push_redo(edit_state state) { m_redo.push_back(std::move(state)); }
  edit_state pop_undo();
  edit_state pop_redo();
  void clear_redo() { m_redo.clear(); }

  // Heap bytes the steps added, with the tables they share.
  std::size_t bytes() const;

private:
  std::vector<edit_state> m_undo, m_redo;
  snapshot_tables m_tables;
  std::optional<text_snapshot> m_base;  // the last text taken or restored
};

}  // namespace editor
