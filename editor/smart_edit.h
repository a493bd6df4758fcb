// smart_edit: one in-place edit of a multiline text (paragraph mode) or a
// single-line text (single-line mode).
//
// It owns the editing entity, the controls over it, the undo and redo
// history and the cursors. Window messages reach it through its message
// filter; keys and mouse become editing operations of the entity, grouped
// into undo steps by edit kind: consecutive operations of one kind make one
// step, and any caret movement ends a step. After each step begins, and
// after undo and redo, the toolbar window is sent WM_EDITOR_CHANGED. The
// edit ends by posting "^M" (accept) or "^C" (cancel) to the host; the
// command then calls `commit`.
//
// Edit kinds: 0 caret movement (and undo, redo), 1 deletion and structure,
// 2 typing, 3 ruler, 4 formatting, 5 size drags, 6 numbering, 7 fields,
// 8 columns.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "editor/caret_blink.h"
#include "editor/caret_layer.h"
#include "editor/edit_history.h"
#include "editor/edit_host.h"
#include "editor/gadget_draw.h"
#include "editor/gadget_drag.h"
#include "editor/key_bindings.h"
#include "editor/mtext_editable.h"
#include "editor/text_frame.h"
#include "platform/host/HostEdMessageFilter.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/win/IWinSystem.h"
#include "platform/win/win_params.h"

namespace editor {

// The editor as the commands and the host see it.
class MTextEditor {
public:
  virtual ~MTextEditor() = default;
  // Places the editor in the view: whether the text is turned to the screen.
  virtual void positionInView(const OdGeVector3d& view_direction, bool new_text) = 0;
  virtual int query() const { return 0; }
};

enum class edit_kind : std::uint32_t {
  caret = 0, deletion = 1, typing = 2, ruler = 3, formatting = 4, size = 5, numbering = 6, field = 7, columns = 8,
};

class smart_edit : public MTextEditor, private editable_listener {
public:
  // Receives the host's messages while the edit runs, with the pointer in world coordinates.
  class _msgFilter : public HostEdMessageFilter {
  public:
    explicit _msgFilter(smart_edit& editor) : m_editor(editor) {}
    bool filterMessage(const host_message& message) override;

  private:
    smart_edit& m_editor;
  };

  smart_edit(edit_host& host, win::IWinSystem& system);
  ~smart_edit() override;

  // Paragraph mode on a multiline text, drawn over a backdrop made for a
  // view of colour `view`; hides the text while the edit runs.
  void setUp(const OdDbMTextPtr& text, const OdCmEntityColor& view = OdCmEntityColor(255, 255, 255));
  // Single-line mode on a single-line text; hides it while the edit runs.
  void setUp(const OdDbTextPtr& text);
  // For an entity made elsewhere (tests, scripts): paragraph mode unless `single_line`.
  void setUp(ExMTextEditablePtr entity, bool single_line);
  // The alphabets lettered lists are recognised and numbered with, given
  // before setUp (English alone when none are given).
  void setAlphabets(mtext::marks::letters_dictionary alphabets) { m_alphabets = std::move(alphabets); }

  void setToolbarWindow(win::window_id window) { m_toolbar = window; }
  // The toolbar's listener, told after every operation (before the editor),
  // so it follows caret moves too; null to stop.
  void setToolbarListener(editable_listener* toolbar) { m_entity->setListeners(toolbar, this); }
  void setCaptureWindow(win::window_id window) { m_captureWindow = window; }

  // One window message with the pointer in world coordinates; true when the
  // host must not process it further.
  bool handleMessage(win::message_id message, win::wparam wParam, win::lparam lParam, const OdGePoint3d& world);
  HostEdMessageFilter& messageFilter() { return m_filter; }

  // Begins an edit step of `kind` unless one of that kind is running.
  void beginEdit(edit_kind kind);
  void undo();
  void redo();
  void redraw();
  bool undoEmpty() const { return !m_history.can_undo(); }
  const edit_history& history() const { return m_history; }

  // Writes the text back when `save`, and shows the edited object again.
  // `rejustify` re-applies a single-line text's justification after its position changed.
  void commit(bool save, const std::function<void(OdDbText&)>& rejustify = {});

  void positionInView(const OdGeVector3d& view_direction, bool new_text) override;

  ExMTextEditable& entity() { return *m_entity; }
  const ExMTextEditable& entity() const { return *m_entity; }
  OdSmartPtr<caret_layer> caretLayer() const { return m_caret; }
  // What the view draws while the edit runs, bottom to top: the backdrop and
  // highlight, the text, the controls and the carets.
  std::vector<OdGiDrawablePtr> drawables() const;
  OdSmartPtr<text_frame> controls() const { return m_controls; }
  bool paragraphMode() const { return m_paragraphMode; }
  bool keyHandled() const { return m_keyHandled; }
  std::uint32_t redrawFlags() const { return m_redraw; }

private:
  // Key bindings (smart_edit_keys.cpp).
  void onKeyDown(win::virtual_key key, std::uint16_t repeat);
  void onChar(char16_t c, std::uint16_t repeat);
  bool conditionHolds(key_condition condition) const;
  void runKey(const key_binding& binding, modifiers m, std::uint16_t repeat);
  void runRepeated(key_action action, modifiers m);
  void moveCarets(key_action action, modifiers m);
  void paste(bool from_keys);

  // Mouse and menu (smart_edit_mouse.cpp).
  void onButtonDown(const OdGePoint2d& at, win::wparam buttons);
  void onMouseMove(const OdGePoint2d& at, win::wparam buttons);
  void onButtonUp();
  void onDoubleClick(const OdGePoint2d& at);
  void onContextMenu(const OdGePoint2d& at);
  void runMenuCommand(int id, const OdGePoint2d& at);
  void chooseCursor(const OdGePoint2d& at);
  bool overText(const OdGePoint2d& at) const;
  OdGePoint2d inParentOfControls(const OdGePoint2d& at) const;

  // The ruler and the frame handles (smart_edit_gadgets.cpp).
  bool pressGadget(const micui::path& hit, const OdGePoint2d& at);
  void startDrag(const grabbed_gadget& grabbed, const micui::path& hit, const OdGePoint2d& at);
  void dragGadget(const OdGePoint2d& at);
  void releaseGadget();
  void addTab(double x);
  void dragIndent(indent_marker marker, double dx);
  void dragTab(double dx);
  void dropTab();
  void dragSize(const OdGePoint2d& at);
  void resizeFrame(const column_settings& columns);

  void afterOperation(bool layout);
  void stateChanged() override {}
  win::window_id clipboardWindow() const override { return m_toolbar; }
  void setUpCommon();
  void notifyToolbar(win::wparam why);
  OdGePoint2d toPlane(const OdGePoint3d& world) const;

  edit_host& m_host;
  win::IWinSystem& m_system;
  _msgFilter m_filter{*this};
  ExMTextEditablePtr m_entity;
  OdDbMTextPtr m_mtext;
  OdDbTextPtr m_text;
  bool m_paragraphMode = true;
  std::optional<mtext::marks::letters_dictionary> m_alphabets;
  win::window_id m_toolbar = win::window_id::none;
  win::window_id m_captureWindow = win::window_id::none;
  OdSmartPtr<text_frame> m_controls;
  OdSmartPtr<caret_layer> m_caret;
  OdGiDrawablePtr m_gadget;
  std::unique_ptr<caret_blink> m_blink;
  bool m_keyHandled = false;
  bool m_dragSelecting = false;
  std::optional<gadget_drag> m_drag;  // from the press on a gadget to the release
  edit_kind m_editKind = edit_kind::caret;
  edit_history m_history;
  std::uint32_t m_redraw = 0;  // bit 0 controls, bit 1 text
  OdGeMatrix3d m_transform;    // the entity's plane to world
  bool m_transformInForce = true;
};

}  // namespace editor
