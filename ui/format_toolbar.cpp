#include "ui/format_toolbar.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "editor/paragraph_editing.h"
#include "editor/typing.h"
#include "mtext/format_queries.h"
#include "platform/host/IApp.h"
#include "platform/host/host_pickers.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "ui/editor_dialogs.h"
#include "ui/toolbar_heights.h"

namespace ui {

namespace {

using editor::edit_kind;
using mtext::format::string_partial;

constexpr double degrees_per_radian = 57.29577951308232;

OdString number_text(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", value);
  const std::string s(buffer);
  return OdString(std::u16string(s.begin(), s.end()));
}

std::vector<editor::menu_item> as_menu_items(const toolbar_menu& menu) {
  std::vector<editor::menu_item> items;
  for (const menu_entry& e : menu) items.push_back({e.id, e.caption, true, as_menu_items(e.submenu), e.checked});
  return items;
}

// The entity keeps its current format only while the selections stay, so
// a change made in place is read from the text itself.
string_partial format_at_caret(const ExMTextEditable& entity) {
  const auto all = mtext::marks::selections_of(entity.text().marks);
  if (all.empty()) return {};
  return mtext::format::current_format(entity.text(), entity.defaultFormat(), *all.front());
}

mtext::format::paragraph_partial paragraph_at_caret(const ExMTextEditable& entity) {
  const auto all = mtext::marks::selections_of(entity.text().marks);
  if (all.empty()) return {};
  return mtext::format::current_paragraph_format(entity.text(), *all.front());
}

bool any_selection(const mtext::geom_multitext& text) {
  const auto all = mtext::marks::selections_of(text.marks);
  return std::any_of(all.begin(), all.end(), [](const auto* s) { return !s->empty(); });
}

}  // namespace

toolbar_services host_toolbar_services(editor::edit_host& host) {
  toolbar_services s;
  s.show_menu = [&host](int, const toolbar_menu& menu) { return host.trackPopupMenu(as_menu_items(menu)); };
  s.pick_color = [](OdCmEntityColor& c) { return hostSetColorDialogTrueColor(c, true); };
  s.pick_symbol = []() -> std::optional<char16_t> {
    OdChar c = 0;
    if (!hostGetSymbol(c)) return std::nullopt;
    return c;
  };
  s.insert_field = [&host] { return host.insertField(); };
  s.message = [](const OdString& text) {
    if (IEvents* events = Get_IEvents()) events->messageBox(text, OdString(), 0);
  };
  s.accept = [&host] { host.postCommand(u"^M"); };
  s.focus_drawing = [] {};
  return s;
}

// One toolbar operation as one undo step: caret steps fence it off from
// the steps before and after (so two presses are two steps); every path
// lays the text out, redraws and gives the focus back to the drawing.
class CMTextEdit::step {
public:
  step(CMTextEdit& toolbar, edit_kind kind) : m_toolbar(toolbar), m_editor(toolbar.m_editor) {
    m_editor.beginEdit(edit_kind::caret);
    m_editor.beginEdit(kind);
  }
  ~step() {
    m_editor.entity().endOperation(true);
    m_editor.controls()->layout();
    m_editor.redraw();
    m_editor.beginEdit(edit_kind::caret);
    if (m_toolbar.m_services.focus_drawing) m_toolbar.m_services.focus_drawing();
  }
  step(const step&) = delete;
  step& operator=(const step&) = delete;

  template <class Op>
  decltype(auto) edit(Op&& op) {
    return m_editor.entity().edit(std::forward<Op>(op));
  }

private:
  CMTextEdit& m_toolbar;
  editor::smart_edit& m_editor;
};

// Buttons -------------------------------------------------------------------------

// kind: the step the operation opens; none for those that open no step of
// their own (undo, redo, OK, the ruler).
struct CMTextEdit::action_row {
  int id;
  std::optional<edit_kind> kind;
  std::optional<bool> (CMTextEdit::*run)();
};

const CMTextEdit::action_row* CMTextEdit::actionOf(int id) {
  namespace c = control;
  static const action_row rows[] = {
      {c::bold, edit_kind::formatting, &CMTextEdit::toggleBold},
      {c::italic, edit_kind::formatting, &CMTextEdit::toggleItalic},
      {c::underline, edit_kind::formatting, &CMTextEdit::toggleUnderline},
      {c::overline, edit_kind::formatting, &CMTextEdit::toggleOverline},
      {c::undo, std::nullopt, &CMTextEdit::undo},
      {c::redo, std::nullopt, &CMTextEdit::redo},
      {c::stack, edit_kind::formatting, &CMTextEdit::stack},
      {c::superscript, edit_kind::formatting, &CMTextEdit::superscript},
      {c::subscript, edit_kind::formatting, &CMTextEdit::subscript},
      {c::ruler, std::nullopt, &CMTextEdit::toggleRuler},
      {c::ok, std::nullopt, &CMTextEdit::accept},
      {c::align_left, edit_kind::formatting, &CMTextEdit::alignLeft},
      {c::align_center, edit_kind::formatting, &CMTextEdit::alignCenter},
      {c::justified, edit_kind::formatting, &CMTextEdit::justify},
      {c::align_right, edit_kind::formatting, &CMTextEdit::alignRight},
      {c::distributed, edit_kind::formatting, &CMTextEdit::distribute},
      {c::upper, edit_kind::formatting, &CMTextEdit::toUpper},
      {c::lower, edit_kind::formatting, &CMTextEdit::toLower},
      {c::symbol, std::nullopt, &CMTextEdit::insertSymbol},
      {c::field, std::nullopt, &CMTextEdit::insertField},
  };
  const auto found = std::find_if(std::begin(rows), std::end(rows), [id](const action_row& r) { return r.id == id; });
  return found == std::end(rows) ? nullptr : found;
}

std::optional<bool> CMTextEdit::toggle(style_flag flag) {
  const string_partial current = format_at_caret(m_editor.entity());
  return m_editor.entity().edit([&](editor::geom_edit_target& t) { return toggle_flag(t, current, flag); });
}
std::optional<bool> CMTextEdit::toggleBold() { return toggle(&string_partial::bold); }
std::optional<bool> CMTextEdit::toggleItalic() { return toggle(&string_partial::italic); }
std::optional<bool> CMTextEdit::toggleUnderline() { return toggle(&string_partial::underline); }
std::optional<bool> CMTextEdit::toggleOverline() { return toggle(&string_partial::overline); }

std::optional<bool> CMTextEdit::toggleRuler() {
  micui::control* ruler = m_editor.controls()->find(u"ruler");
  if (!ruler) return false;
  ruler->visible = !ruler->visible;
  m_editor.redraw();
  return ruler->visible;
}

std::optional<bool> CMTextEdit::stack() {
  m_editor.entity().edit([](editor::geom_edit_target& t) { stack_selection(t, stack_kind::fraction); });
  return std::nullopt;
}
std::optional<bool> CMTextEdit::superscript() {
  m_editor.entity().edit([](editor::geom_edit_target& t) { stack_selection(t, stack_kind::superscript); });
  return std::nullopt;
}
std::optional<bool> CMTextEdit::subscript() {
  m_editor.entity().edit([](editor::geom_edit_target& t) { stack_selection(t, stack_kind::subscript); });
  return std::nullopt;
}

std::optional<bool> CMTextEdit::align(std::uint32_t alignment) {
  mtext::format::paragraph_partial change;
  change.alignment = alignment;
  m_editor.entity().edit([&](editor::geom_edit_target& t) { editor::change_selected_paragraphs(t.text(), change); });
  return std::nullopt;
}
std::optional<bool> CMTextEdit::alignLeft() { return align(mtext::format::alignment_left); }
std::optional<bool> CMTextEdit::alignCenter() { return align(mtext::format::alignment_center); }
std::optional<bool> CMTextEdit::alignRight() { return align(mtext::format::alignment_right); }
std::optional<bool> CMTextEdit::justify() { return align(mtext::format::alignment_justified); }
std::optional<bool> CMTextEdit::distribute() { return align(mtext::format::alignment_distributed); }

std::optional<bool> CMTextEdit::toUpper() {
  m_editor.entity().edit([](editor::geom_edit_target& t) { map_selected_case(t, true); });
  return std::nullopt;
}
std::optional<bool> CMTextEdit::toLower() {
  m_editor.entity().edit([](editor::geom_edit_target& t) { map_selected_case(t, false); });
  return std::nullopt;
}

// The pickers run before the step opens, so that Cancel leaves no step.
std::optional<bool> CMTextEdit::insertSymbol() {
  const auto symbol = m_services.pick_symbol ? m_services.pick_symbol() : std::nullopt;
  if (!symbol) return std::nullopt;
  step s(*this, edit_kind::typing);
  s.edit([&](editor::geom_edit_target& t) { editor::insert_text(t, std::u16string_view(&*symbol, 1)); });
  return std::nullopt;
}

std::optional<bool> CMTextEdit::insertField() {
  OdDbFieldPtr made = m_services.insert_field ? m_services.insert_field() : OdDbFieldPtr();
  if (made.isNull()) return std::nullopt;
  step s(*this, edit_kind::field);
  s.edit([&](editor::geom_edit_target& t) {
    t.erase_selections();
    const auto* first = mtext::marks::selections_of(t.text().marks).front();
    mtext::multitext parts;
    parts.parts.push_back(
        new mtext::field(mtext::format::insertion_format(t.text(), t.default_format(), *first), made));
    t.insert_parts(parts);
  });
  return std::nullopt;
}

std::optional<bool> CMTextEdit::undo() {
  m_editor.undo();
  return std::nullopt;
}
std::optional<bool> CMTextEdit::redo() {
  m_editor.redo();
  return std::nullopt;
}
std::optional<bool> CMTextEdit::accept() {
  if (m_services.accept) m_services.accept();
  return std::nullopt;
}

void CMTextEdit::click(int id) {
  if (const control_row* row = control_of(id); row && row->kind == control_kind::menu_button) {
    const int command = m_services.show_menu ? m_services.show_menu(id, menuOf(id)) : 0;
    if (command) chooseMenuCommand(id, command);
    return;
  }
  const action_row* row = actionOf(id);
  if (!row || !control(id).enabled) return;
  std::optional<bool> checked;
  if (row->kind) {
    step s(*this, *row->kind);
    checked = (this->*row->run)();
  } else {
    checked = (this->*row->run)();
  }
  refresh();
  if (checked) at(id).checked = *checked;
}

// Construction, closing and refresh --------------------------------------------------

CMTextEdit::CMTextEdit(editor::smart_edit& editor, win::IWindows& windows, toolbar_services services,
                       IProfile* profile, bool compact)
    : m_editor(editor), m_windows(windows), m_services(std::move(services)), m_profile(profile),
      m_template(compact ? template_compact : template_full) {
  m_window = m_windows.createWindow([this](const win::window_message& m) {
    if (m.message == win::WM_EDITOR_CHANGED) refresh();
    if (m.message == win::WM_COMMAND) click(win::low_word(m.wParam));
    return win::lresult{0};
  });
  start(profile);
  m_editor.setToolbarWindow(m_window);
  m_editor.setToolbarListener(this);
}

CMTextEdit::~CMTextEdit() {
  close();
  m_editor.setToolbarListener(nullptr);
  m_editor.setToolbarWindow(win::window_id::none);
  m_windows.destroyWindow(m_window);
}

void CMTextEdit::start(IProfile* profile) {
  m_position = read_toolbar_position(profile);
  m_englishIcons = english_icons(profile);
  m_heights = remembered_heights();
  m_colors = initial_color_entries(hostCmGetLocalizedColorNames());
  showTemplate();
  refresh();
}

void CMTextEdit::showTemplate() {
  for (const control_row& row : toolbar_controls()) at(row.id).visible = m_template == template_full || row.compact;
  // No search service here: button 2 goes, OK takes its place.
  at(control::search).visible = false;
}

void CMTextEdit::close() {
  if (m_closed) return;
  m_closed = true;
  replace_remembered_heights(m_heights);
  write_toolbar_position(m_profile, m_position);
}

const control_state& CMTextEdit::control(int id) const {
  static const control_state unknown{false, false, false, {}};
  const auto found = m_controls.find(id);
  return found == m_controls.end() ? unknown : found->second;
}

void CMTextEdit::refresh() {
  m_updating = true;
  refreshValues();
  refreshButtons();
  if (on_refreshed) on_refreshed();
  m_updating = false;
}

void CMTextEdit::refreshValues() {
  const string_partial f = format_at_caret(m_editor.entity());
  at(control::height).text = f.height && !f.height->relative ? height_text(f.height->value) : OdString();
  at(control::font).text = f.font.kind != 2 ? f.font.name : OdString();
  if (f.font.kind != 2 && std::none_of(m_fonts.begin(), m_fonts.end(), [&](const font_entry& e) { return e.name == f.font.name; }))
    m_fonts.push_back({f.font.name, f.font.kind == 1, f.font.charset, f.font.pitch_family});
  m_colorSelection.reset();
  if (f.color) m_colorSelection = add_color(m_colors, encode(*f.color), hostCmGetLocalizedColorNames());
  at(control::color).text = m_colorSelection ? m_colors[*m_colorSelection].name : OdString();
  at(control::oblique).text = f.oblique ? number_text(*f.oblique * degrees_per_radian) : OdString();
  at(control::width).text = f.width ? number_text(*f.width) : OdString();
}

void CMTextEdit::refreshButtons() {
  const ExMTextEditable& entity = m_editor.entity();
  const mtext::geom_multitext& text = entity.text();
  const string_partial f = format_at_caret(entity);
  const bool selected = any_selection(text);
  for (int id : {control::upper, control::lower, control::search}) at(id).enabled = selected;
  const bool shx = f.font.kind == 1;
  at(control::bold).enabled = at(control::italic).enabled = !shx;
  at(control::bold).checked = f.bold == mtext::tri::on;
  at(control::italic).checked = f.italic == mtext::tri::on;
  at(control::underline).checked = f.underline == mtext::tri::on;
  at(control::overline).checked = f.overline == mtext::tri::on;
  const bool stacked = selection_is_stacked(text), stackable = can_stack(text);
  at(control::stack).enabled = stacked || stackable;
  at(control::stack).checked = stacked;
  at(control::superscript).enabled = at(control::subscript).enabled = stackable;
  at(control::undo).enabled = !m_editor.undoEmpty();
  at(control::redo).enabled = m_editor.history().can_redo();
  const auto alignment = paragraph_at_caret(entity).alignment;
  const std::pair<int, std::uint32_t> aligns[] = {
      {control::align_left, mtext::format::alignment_left},   {control::align_center, mtext::format::alignment_center},
      {control::align_right, mtext::format::alignment_right}, {control::justified, mtext::format::alignment_justified},
      {control::distributed, mtext::format::alignment_distributed}};
  for (const auto& [id, value] : aligns) at(id).checked = alignment == value;
}

// Values ------------------------------------------------------------------------------

void CMTextEdit::changeCharacters(const string_partial& change) {
  step s(*this, edit_kind::formatting);
  s.edit([&](editor::geom_edit_target& t) { change_selected_characters(t, change); });
}

void CMTextEdit::enterHeight(const OdString& text) {
  if (m_updating) return;
  const auto height = parse_height(text);
  if (!height || *height <= least_height) return;
  string_partial change;
  change.height = mtext::format::height_change{*height, false};
  changeCharacters(change);
  const float kept = static_cast<float>(*height);
  if (std::find(m_heights.begin(), m_heights.end(), kept) == m_heights.end()) {
    m_heights.insert(std::upper_bound(m_heights.begin(), m_heights.end(), kept), kept);
  }
  refresh();
}

void CMTextEdit::chooseFont(const font_entry& font) {
  if (m_updating) return;
  string_partial change;
  change.font = {font.name, font.pitch_family, font.charset, font.shx ? 1 : 0};
  changeCharacters(change);
  refresh();
}

void CMTextEdit::chooseStyle(const OdDbTextStyleTableRecord& style) {
  if (m_updating) return;
  OdString typeface;
  bool bold = false, italic = false;
  int charset = 0, pitch = 0;
  style.font(typeface, bold, italic, charset, pitch);
  string_partial change;
  if (!typeface.isEmpty()) {
    change.font = {typeface, pitch, charset, 0};
    change.bold = bold ? mtext::tri::on : mtext::tri::off;
    change.italic = italic ? mtext::tri::on : mtext::tri::off;
  } else if (!style.fileName().isEmpty()) {
    change.font = {style.fileName(), 0, 0, 1};
  }
  if (change.font.kind != 2) changeCharacters(change);
  refresh();
}

void CMTextEdit::chooseColor(std::size_t entry) {
  if (m_updating || entry >= m_colors.size()) return;
  toolbar_color value = m_colors[entry].value;
  if (value == custom_color_entry) {
    OdCmEntityColor picked = m_colorSelection ? entity_color_of(m_colors[*m_colorSelection].value) : OdCmEntityColor();
    if (!m_services.pick_color || !m_services.pick_color(picked)) return refresh();
    value = encode(picked);
    add_color(m_colors, value, hostCmGetLocalizedColorNames());
  }
  string_partial change;
  change.color = decode(value);
  changeCharacters(change);
  refresh();
}

void CMTextEdit::enterOblique(double degrees) {
  if (m_updating) return;
  string_partial change;
  change.oblique = std::clamp(degrees, -oblique_limit, oblique_limit) / degrees_per_radian;
  changeCharacters(change);
  refresh();
}

void CMTextEdit::enterWidth(double factor) {
  if (m_updating) return;
  string_partial change;
  change.width = std::clamp(factor, least_width, greatest_width);
  changeCharacters(change);
  refresh();
}

// An empty edit counts from the up-down's start: 0 degrees, width 1.
void CMTextEdit::spin(int id, int steps) {
  const OdString& shown = control(id == control::oblique_spin ? control::oblique : control::width).text;
  const auto value = parse_height(shown);
  if (id == control::oblique_spin) enterOblique(std::round(value.value_or(0.0)) + steps);
  else if (id == control::width_spin) enterWidth(value.value_or(1.0) + steps * width_step);
}

// Menus -------------------------------------------------------------------------------

toolbar_menu CMTextEdit::menuOf(int button) const {
  const ExMTextEditable& entity = m_editor.entity();
  switch (button) {
    case control::line_spacing: return line_spacing_menu(paragraph_at_caret(entity).line_spacing);
    case control::numbering:
      return numbering_menu(current_list_kind(entity.text()), entity.dictionary());
    case control::columns:
      return columns_menu({entity.columnType(), entity.columns().auto_height, entity.columnCount()});
    case control::alignment: return alignment_menu(static_cast<int>(entity.attachment()));
    default: return {};
  }
}

void CMTextEdit::chooseMenuCommand(int button, int command) {
  switch (button) {
    case control::line_spacing: runLineSpacing(command); break;
    case control::numbering: runNumbering(command); break;
    case control::columns: runColumns(command); break;
    case control::alignment: runAlignment(command); break;
    default: return;
  }
  refresh();
}

void CMTextEdit::changeParagraphs(const mtext::format::paragraph_partial& change) {
  step s(*this, edit_kind::formatting);
  s.edit([&](editor::geom_edit_target& t) { editor::change_selected_paragraphs(t.text(), change); });
}

void CMTextEdit::runLineSpacing(int command) {
  if (command == spacing_cmd::more) {
    run_paragraph_dialog(m_editor);
    return;
  }
  mtext::format::paragraph_partial change;
  change.line_spacing = spacing_of_command(command);
  if (change.line_spacing) changeParagraphs(change);
}

void CMTextEdit::runNumbering(int command) {
  const auto kind = list_kind_of_command(command, current_list_kind(m_editor.entity().text()));
  if (!kind) return;
  step s(*this, edit_kind::numbering);
  s.edit([&](editor::geom_edit_target& t) { set_list_kind(t, *kind); });
}

void CMTextEdit::setColumns(const editor::column_settings& columns, edit_kind kind) {
  step s(*this, kind);
  m_editor.entity().setColumns(columns);
}

void CMTextEdit::runColumns(int command) {
  ExMTextEditable& entity = m_editor.entity();
  editor::column_settings c = entity.columns();
  const std::size_t count = std::max<std::size_t>(entity.columnCount(), 1);
  switch (command) {
    case columns_cmd::insert:
      if (entity.columnCount() >= static_cast<std::size_t>(most_columns)) {
        if (m_services.message)
          m_services.message(OdString(u"Value must be between ") + number_text(least_columns) + u" and " +
                             number_text(most_columns));
        return;
      } else {
        step s(*this, edit_kind::columns);
        s.edit([](editor::geom_edit_target& t) { editor::insert_paragraph_break(t, true); });
        entity.relayout(true);
      }
      return;
    case columns_cmd::more: run_columns_dialog(m_editor, more_columns_proposal(column_dialog_values_of(entity))); return;
    case columns_cmd::parameters: run_columns_dialog(m_editor, column_dialog_values_of(entity)); return;
    case columns_cmd::none:
      c.type = OdDbMText::kNoColumns;
      c.heights.clear();
      return setColumns(c, edit_kind::formatting);
    case columns_cmd::auto_height:
    case columns_cmd::manual_height:
      c.type = OdDbMText::kDynamicColumns;
      c.auto_height = command == columns_cmd::auto_height;
      c.heights.assign(c.auto_height ? 0 : count, entity.frameHeight());
      return setColumns(c, edit_kind::formatting);
    default: break;
  }
  const auto n = static_count_of_command(command);
  if (!n) return;
  if (count == 1) {
    const column_split split = split_into_columns(entity.frameWidth(), entity.textHeight(), *n);
    c.width = split.width;
    c.gutter = split.gutter;
  }
  c.type = OdDbMText::kStaticColumns;
  c.frame_height = entity.frameHeight();
  c.heights.assign(static_cast<std::size_t>(*n), c.frame_height);
  setColumns(c, edit_kind::columns);
}

void CMTextEdit::runAlignment(int command) {
  const auto attachment = attachment_of_command(command);
  if (!attachment) return;
  step s(*this, edit_kind::formatting);
  m_editor.entity().setAttachment(static_cast<OdDbMText::AttachmentPoint>(*attachment));
}

}  // namespace ui
