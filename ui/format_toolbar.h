// CMTextEdit: the toolkit-free model of the floating formatting toolbar
// shown while an in-place edit runs.
//
// Every control is known by its id (ui/toolbar_controls.h). A view maps its
// widgets to ids, shows `control(id)` and calls `click`, `chooseMenuCommand`
// or one of the value entry points; each turns into one undo step on the
// editor, after which the keyboard focus goes back to the drawing. The
// toolbar owns a window that the editor tells about every step, undo and
// redo (WM_EDITOR_CHANGED), and listens to the entity for caret moves; it
// re-reads the format at the caret on both. What the
// host must show (menus, colour dialog, symbol picker, field dialog,
// message boxes) comes through `toolbar_services`.
//
// Not here: the style combo's list (it needs the drawing's styles) and the
// search service behind button 2, which this build has not: button 2 stays
// hidden and OK takes its place.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "editor/smart_edit.h"
#include "platform/host/IHostDialogs.h"
#include "platform/host/IProfile.h"
#include "platform/win/IWindows.h"
#include "ui/toolbar_colors.h"
#include "ui/toolbar_controls.h"
#include "ui/toolbar_menus.h"
#include "ui/toolbar_profile.h"
#include "ui/selection_formatting.h"

class OdDbTextStyleTableRecord;

namespace ui {

struct toolbar_services {
  // The chosen command of a menu shown under `button`; 0 for none.
  std::function<int(int button, const toolbar_menu& menu)> show_menu;
  // The host's colour dialog starting at the colour; false on Cancel.
  std::function<bool(OdCmEntityColor& color)> pick_color;
  std::function<std::optional<char16_t>()> pick_symbol;
  std::function<OdDbFieldPtr()> insert_field;
  std::function<void(const OdString& text)> message;
  // OK: ends the edit keeping the text.
  std::function<void()> accept;
  std::function<void()> focus_drawing;
};

// The host's colour dialog, symbol picker and message box; menus, fields
// and OK through the edit host.
toolbar_services host_toolbar_services(editor::edit_host& host);

struct control_state {
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  OdString text;  // edits and combos: the text shown; empty when mixed
};

struct font_entry {
  OdString name;
  bool shx = false;
  int charset = 0;
  int pitch_family = 0;
};

class CMTextEdit : public host_window_model, private editor::editable_listener {
public:
  static constexpr double oblique_limit = 80.0;  // degrees either way
  static constexpr double least_width = 0.1, greatest_width = 10.0, width_step = 0.01;

  // Starts on a running edit: places itself where the profile says, fills
  // the heights and colours, and tells the editor its window.
  CMTextEdit(editor::smart_edit& editor, win::IWindows& windows, toolbar_services services, IProfile* profile,
             bool compact = false);
  // Closes (saving the heights and the position) unless already closed.
  ~CMTextEdit() override;
  CMTextEdit(const CMTextEdit&) = delete;
  CMTextEdit& operator=(const CMTextEdit&) = delete;

  OdString windowName() const override { return u"CMTextEdit"; }
  int templateId() const { return m_template; }
  editor::smart_edit& editor() { return m_editor; }
  win::window_id window() const { return m_window; }
  const control_state& control(int id) const;
  // OK sits where button 2 would be.
  bool okInPlaceOfSearch() const { return true; }
  bool englishIcons() const { return m_englishIcons; }
  toolbar_position position() const { return m_position; }
  void moveTo(toolbar_position at) { m_position = at; }

  // Buttons, check buttons and menu buttons (the menu is shown through the services).
  void click(int id);
  // A command chosen from the menu of `button`.
  void chooseMenuCommand(int button, int command);

  // Values from the combos and edits; ignored while the toolbar writes them itself.
  void enterHeight(const OdString& text);
  void chooseFont(const font_entry& font);
  // The selection takes the font of a text style of the drawing: its shape
  // file, or its typeface with its bold, italic and character set.
  void chooseStyle(const OdDbTextStyleTableRecord& style);
  void chooseColor(std::size_t entry);
  void enterOblique(double degrees);
  void enterWidth(double factor);
  // An up-down pressed `steps` times (negative: down) on the oblique or width edit.
  void spin(int id, int steps);

  const std::vector<float>& heights() const { return m_heights; }
  const std::vector<color_entry>& colors() const { return m_colors; }
  std::optional<std::size_t> colorSelection() const { return m_colorSelection; }
  const std::vector<font_entry>& fonts() const { return m_fonts; }
  void setFonts(std::vector<font_entry> fonts) { m_fonts = std::move(fonts); }

  // Re-reads the state at the caret into the controls.
  void refresh();
  // Told at the end of every refresh, while the updating guard still holds,
  // so that a view reads the controls again without reporting them back.
  std::function<void()> on_refreshed;
  // Saves the heights for the process and the position in the profile.
  void close();

private:
  struct action_row;
  class step;
  static const action_row* actionOf(int id);

  // Button operations; a check button's answers its new state.
  std::optional<bool> toggleBold();
  std::optional<bool> toggleItalic();
  std::optional<bool> toggleUnderline();
  std::optional<bool> toggleOverline();
  std::optional<bool> toggleRuler();
  std::optional<bool> stack();
  std::optional<bool> superscript();
  std::optional<bool> subscript();
  std::optional<bool> alignLeft();
  std::optional<bool> alignCenter();
  std::optional<bool> alignRight();
  std::optional<bool> justify();
  std::optional<bool> distribute();
  std::optional<bool> toUpper();
  std::optional<bool> toLower();
  std::optional<bool> insertSymbol();
  std::optional<bool> insertField();
  std::optional<bool> undo();
  std::optional<bool> redo();
  std::optional<bool> accept();

  std::optional<bool> toggle(style_flag flag);
  std::optional<bool> align(std::uint32_t alignment);
  void changeCharacters(const mtext::format::string_partial& change);
  void changeParagraphs(const mtext::format::paragraph_partial& change);

  // Menus.
  toolbar_menu menuOf(int button) const;
  void runLineSpacing(int command);
  void runNumbering(int command);
  void runColumns(int command);
  void runAlignment(int command);
  void setColumns(const editor::column_settings& columns, editor::edit_kind kind);

  void stateChanged() override { refresh(); }
  void start(IProfile* profile);
  void showTemplate();
  void refreshValues();
  void refreshButtons();
  control_state& at(int id) { return m_controls[id]; }

  editor::smart_edit& m_editor;
  win::IWindows& m_windows;
  toolbar_services m_services;
  IProfile* m_profile;
  int m_template;
  win::window_id m_window = win::window_id::none;
  std::map<int, control_state> m_controls;
  bool m_updating = false;  // set while the toolbar writes its own controls
  bool m_closed = false;
  bool m_englishIcons = false;
  toolbar_position m_position;
  std::vector<float> m_heights;
  std::vector<color_entry> m_colors;
  std::optional<std::size_t> m_colorSelection;
  std::vector<font_entry> m_fonts;
};

}  // namespace ui
