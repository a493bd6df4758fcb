// ExMTextEditable: the drawing entity that stands in place of a multiline
// or single-line text while it is edited. It holds the content settings,
// the laid-out text with its selections, and the editing operations; it
// draws the text exactly as laid out.
//
// The laid-out text is in the entity's plane: x along the direction, y up,
// z along the normal, origin at the top left of the first column.
//
// Every operation changes the text through `edit`, which notes the parts it
// changed; `endOperation` then lays out only what changed and tells the
// listeners. Snapshots for undo read the changes noted since the last one.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/geom_edit_target.h"
#include "mtext/format_queries.h"
#include "mtext/geom_multitext.h"
#include "mtext/relayout.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/win/win_messages.h"

class OdDbDwgFiler;
class OdDbDxfFiler;

namespace editor {

// Told after every operation that the entity's state changed; the toolbar
// and the editor listen.
class editable_listener {
public:
  virtual ~editable_listener() = default;
  // The window that owns the clipboard while this listener is asked; none by default.
  virtual win::window_id clipboardWindow() const { return win::window_id::none; }
  virtual void stateChanged() = 0;
};

// The column settings of the frame being edited.
struct column_settings {
  double width = 0.0;  // one column, or the frame without columns
  double gutter = 0.0;
  std::int32_t type = OdDbMText::kNoColumns;
  std::vector<double> heights;  // manual heights of dynamic columns
  double frame_height = 0.0;    // the frame's height (of every static column)
  bool auto_height = true;

  friend bool operator==(const column_settings&, const column_settings&) = default;
};

}  // namespace editor

class ExMTextEditable : public OdDbEntity {
  ODRX_DECLARE_MEMBERS(ExMTextEditable);

public:
  // A new entity holding `text`'s content, height, style, columns and attachment,
  // laid out with the drawing's fonts.
  static OdSmartPtr<ExMTextEditable> createFrom(const OdDbMTextPtr& text);
  // A new entity for a single-line text: its string as one paragraph, laid
  // out as the single-line editor lays it.
  static OdSmartPtr<ExMTextEditable> createFrom(const OdDbTextPtr& text);

  // Measurement and lists for an entity not made from a drawing text (tests, scripts).
  void setMeasurement(std::shared_ptr<const mtext::string_size_finder> finder, mtext::format::string base);
  void setDictionary(mtext::marks::letters_dictionary dictionary);
  const mtext::marks::letters_dictionary& dictionary() const { return m_target->dictionary(); }

  // The content the entity was made or filed in with.
  const std::u16string& content() const { return m_content; }
  // The laid-out text written back as content.
  std::u16string currentContent() const;
  double textHeight() const { return m_textHeight; }
  void setTextHeight(double height);
  OdDbObjectId textStyle() const { return m_style; }
  void setTextStyle(OdDbObjectId style) { m_style = style; }
  double columnWidth() const { return m_columns.width; }
  double gutter() const { return m_columns.gutter; }
  std::int32_t columnType() const { return m_columns.type; }
  const std::vector<double>& columnHeights() const { return m_columns.heights; }
  const editor::column_settings& columns() const { return m_columns; }
  // New column settings; the text is laid out again at the next update.
  void setColumns(const editor::column_settings& columns);
  OdDbMText::AttachmentPoint attachment() const { return m_attachment; }
  // The frame hangs from its new attachment point at the next layout.
  void setAttachment(OdDbMText::AttachmentPoint attachment) {
    m_attachment = attachment;
    m_layoutNeeded = true;
  }
  // The greater of the laid-out columns and the stored column heights.
  std::size_t columnCount() const;
  // All columns side by side: (column width + gutter) x count - gutter.
  double frameWidth() const;
  // The tallest column.
  double frameHeight() const;

  // Where the laid-out text's plane lies in the drawing.
  const OdGeMatrix3d& planeToWorld() const { return m_planeToWorld; }
  void setPlaneToWorld(const OdGeMatrix3d& m) { m_planeToWorld = m; }

  const mtext::geom_multitext& text() const { return m_text; }
  mtext::geom_multitext& text() { return m_text; }
  const mtext::format::string& defaultFormat() const { return m_target->default_format(); }
  // Replaces the laid-out text wholesale (undo and redo); laid out again at once.
  void restoreText(mtext::geom_multitext text);

  // Set by every change of the text; cleared by whoever acts on them.
  bool textChanged() const { return m_textChanged; }
  bool layoutNeeded() const { return m_layoutNeeded; }
  void markTextChanged() { m_textChanged = m_layoutNeeded = true; }
  void clearTextChanged() { m_textChanged = false; }
  // Set by size drags of long texts: the layout waits for the drag's end.
  bool deferredUpdate() const { return m_deferredUpdate; }
  void setDeferredUpdate(bool deferred) { m_deferredUpdate = deferred; }

  // Runs `op` on the text at its selections and notes the parts it changed.
  template <class Op>
  decltype(auto) edit(Op&& op) {
    struct note_on_exit {
      ExMTextEditable& e;
      ~note_on_exit() { e.noteChanges(); }
    } note{*this};
    return op(*m_target);
  }
  // The parts changed since the last call, for the undo snapshot.
  mtext::change_span takeSnapshotChanges();
  const mtext::string_size_finder& finder() const { return *m_finder; }

  // Lays the text out again: only what changed, or everything when forced.
  // Unforced, it does nothing unless a change needs it.
  void relayout(bool force);
  // After every key, mouse action and toolbar command: recomputes the
  // current formats when the selections moved, renumbers lists and lays
  // out with `layout`, and tells the listeners when anything changed.
  void endOperation(bool layout);
  const mtext::format::string_partial& currentFormat() const { return m_currentFormat; }
  const mtext::format::paragraph_partial& currentParagraphFormat() const { return m_currentParagraph; }

  // The toolbar first, then the editor; either may be null.
  void setListeners(editor::editable_listener* toolbar, editor::editable_listener* editor);
  // The window the clipboard is opened with: the first listener's, else the second's.
  win::window_id clipboardOwner() const;

  OdResult dwgInFields(OdDbDwgFiler* filer) override;
  void dwgOutFields(OdDbDwgFiler* filer) const override;
  OdResult dxfInFields(OdDbDxfFiler* filer) override;
  void dxfOutFields(OdDbDxfFiler* filer) const override;

protected:
  ExMTextEditable();
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  void noteChanges();
  // Reads the content into the laid-out text with the current settings.
  void rebuildText();
  void applyColumnSettings();
  std::vector<mtext::marks::selection> selections() const;

  std::u16string m_content;
  double m_textHeight = 2.5;
  OdDbObjectId m_style;
  editor::column_settings m_columns;
  OdDbMText::AttachmentPoint m_attachment = OdDbMText::kTopLeft;
  OdGeMatrix3d m_planeToWorld;

  std::shared_ptr<const mtext::string_size_finder> m_finder;
  mtext::geom_multitext m_text;
  std::unique_ptr<editor::geom_edit_target> m_target;
  mtext::incremental_layout m_layout;
  mtext::change_span m_layoutChanges;
  mtext::position m_laidOutSize = 0;
  bool m_laidOut = false;
  mtext::change_span m_snapshotChanges{0, 0, true};
  bool m_listsChanged = true;

  editor::editable_listener* m_listeners[2] = {nullptr, nullptr};
  std::vector<mtext::marks::selection> m_previousSelections;
  mtext::format::string_partial m_currentFormat;
  mtext::format::paragraph_partial m_currentParagraph;
  bool m_textChanged = false;
  bool m_layoutNeeded = false;
  bool m_deferredUpdate = false;
};
using ExMTextEditablePtr = OdSmartPtr<ExMTextEditable>;

// Registers the class with the filing properties drawing files record for
// it; a second registration answers eDuplicateClassName.
OdResult registerMTextEditable();

// The entity's colour rule: an index other than by layer stays an index; by
// layer takes the entity's own colour; a true colour stays a true colour.
void setEditableColor(OdGiSubEntityTraits& traits, const mtext::color& c, const OdCmEntityColor& own);
