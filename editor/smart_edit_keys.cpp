// The editor's keyboard: key-downs through the binding table, characters
// typed, and the key-handled flag that keeps a bound key's character out.
#include "editor/caret_motion.h"
#include "editor/clipboard.h"
#include "editor/smart_edit.h"
#include "editor/typing.h"

namespace editor {

namespace {

constexpr std::size_t column_limit = 100;

bool ends_in_break(const mtext::geom_multitext& text) {
  if (text.parts.empty()) return false;
  const std::uint32_t t = text.parts.back().type();
  return t == mtext::new_line_type || t == mtext::new_paragraph_type;
}

bool every_caret_at_end(const mtext::geom_multitext& text) {
  for (const mtext::marks::selection* s : mtext::marks::selections_of(text.marks))
    if (!s->empty() || s->begin != text.size()) return false;
  return true;
}

}  // namespace

bool smart_edit::conditionHolds(key_condition condition) const {
  const mtext::geom_multitext& text = m_entity->text();
  switch (condition) {
    case key_condition::always: return true;
    case key_condition::several_selections: return mtext::marks::selections_of(text.marks).size() > 1;
    case key_condition::filled_single_line: return !m_paragraphMode && m_text && !m_text->textString().isEmpty();
    case key_condition::single_line_at_text_end:
      return !m_paragraphMode && ends_in_break(text) && every_caret_at_end(text);
    case key_condition::paragraph_mode: return m_paragraphMode;
    case key_condition::columns_below_limit: return m_entity->columnCount() < column_limit;
  }
  return false;
}

void smart_edit::onKeyDown(win::virtual_key key, std::uint16_t repeat) {
  const win::IKeyState& keys = m_system.keyState();
  const modifiers m{keys.isKeyDown(win::VK_CONTROL), keys.isKeyDown(win::VK_SHIFT), keys.isKeyDown(win::VK_MENU)};
  m_keyHandled = true;
  const auto binding = find_binding(key, m, [this](key_condition c) { return conditionHolds(c); });
  if (!binding) {
    m_keyHandled = false;
    return;
  }
  if (repeat == 0) return;
  m_caret->visible = true;
  runKey(*binding, m, repeat);
  m_redraw = 3;
  redraw();
  afterOperation(true);
}

void smart_edit::runKey(const key_binding& b, modifiers m, std::uint16_t repeat) {
  if (b.edit_kind != no_edit) beginEdit(static_cast<edit_kind>(b.edit_kind));
  switch (b.action) {
    case key_action::keep_first_selection: keep_first_selection(m_entity->text()); return;
    case key_action::cancel: m_host.postCommand(u"^C"); return;
    case key_action::accept: m_host.postCommand(u"^M"); return;
    case key_action::select_all: select_all(m_entity->text()); return;
    case key_action::undo: undo(); return;
    case key_action::redo: redo(); return;
    case key_action::copy: copy(m_entity->text(), m_entity->defaultFormat(), m_system.clipboard(), m_entity->clipboardOwner()); return;
    case key_action::cut:
      m_entity->edit([&](geom_edit_target& t) { return editor::cut(t, m_system.clipboard(), m_entity->clipboardOwner()); });
      return;
    case key_action::paste: paste(true); return;
    case key_action::paste_rich: paste(false); return;
    case key_action::column_break:
      m_entity->edit([](geom_edit_target& t) { insert_paragraph_break(t, true); });
      m_entity->relayout(true);
      return;
    case key_action::nothing: return;
    default: break;
  }
  for (std::uint16_t i = 0; i < (b.repeated ? repeat : 1); ++i) runRepeated(b.action, m);
}

void smart_edit::runRepeated(key_action action, modifiers m) {
  switch (action) {
    case key_action::line_break: m_entity->edit([](geom_edit_target& t) { insert_line_break(t); }); return;
    case key_action::paragraph_break: m_entity->edit([](geom_edit_target& t) { insert_paragraph_break(t, false); }); return;
    case key_action::backspace: m_entity->edit([&](geom_edit_target& t) { delete_backward(t, m.ctrl); }); return;
    case key_action::delete_forward: m_entity->edit([&](geom_edit_target& t) { delete_forward(t, m.ctrl); }); return;
    case key_action::tab: m_entity->edit([&](geom_edit_target& t) { insert_tab(t, m.shift); }); return;
    default: moveCarets(action, m);
  }
}

void smart_edit::moveCarets(key_action action, modifiers m) {
  mtext::geom_multitext& text = m_entity->text();
  using enum direction;
  switch (action) {
    case key_action::move_left: move_by_step(text, backward, m.ctrl, m.shift); return;
    case key_action::move_right: move_by_step(text, forward, m.ctrl, m.shift); return;
    case key_action::move_up: move_by_line(text, backward, m.shift, m.ctrl && !m.shift); return;
    case key_action::move_down: move_by_line(text, forward, m.shift, m.ctrl && !m.shift); return;
    case key_action::line_start: move_to_line_edge(text, backward, m.shift); return;
    case key_action::line_end: move_to_line_edge(text, forward, m.shift); return;
    case key_action::text_start: move_to_text_edge(text, backward, m.shift); return;
    case key_action::text_end: move_to_text_edge(text, forward, m.shift); return;
    default: return;
  }
}

// Ctrl+V in single-line mode takes plain text only, on one line when the
// Text already holds a string; Shift+Insert takes what the clipboard has.
void smart_edit::paste(bool from_keys) {
  paste_options options;
  if (from_keys && !m_paragraphMode) {
    options.plain_only = true;
    options.single_line = m_text && !m_text->textString().isEmpty();
  }
  m_entity->edit([&](geom_edit_target& t) { return editor::paste(t, m_system.clipboard(), m_entity->clipboardOwner(), options); });
}

void smart_edit::onChar(char16_t c, std::uint16_t repeat) {
  if (m_keyHandled || c < 32) return;
  beginEdit(edit_kind::typing);
  m_entity->edit([&](geom_edit_target& t) { insert_text(t, std::u16string_view(&c, 1), repeat); });
  m_redraw |= 2;
  redraw();
  afterOperation(true);
}

}  // namespace editor
