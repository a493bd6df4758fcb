// The editor's key bindings as data: which key with which modifiers, under
// which condition, starts which kind of edit and does what.
//
// The first row that matches a key-down wins. A key no row matches is not
// handled, so the character message that follows it inserts the character.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/win/win_keys.h"

namespace editor {

enum class key_action : std::uint8_t {
  keep_first_selection, cancel, accept, line_break, paragraph_break, column_break, backspace, tab,
  delete_forward, cut, copy, paste, paste_rich, move_left, move_right, move_up, move_down, line_start,
  line_end, text_start, text_end, select_all, undo, redo, nothing,
};

// What a row asks of a modifier: held, released, or either.
enum class held : std::uint8_t { up, down, any };

// Conditions on the editor's state, beyond the modifiers.
enum class key_condition : std::uint8_t {
  always,
  several_selections,
  filled_single_line,       // single-line mode on a Text whose stored string is not empty
  single_line_at_text_end,  // single-line mode, the text ends in a break and every caret stands at the end
  paragraph_mode,
  columns_below_limit,      // fewer than 100 columns
};

struct modifiers {
  bool ctrl = false, shift = false, alt = false;
};

inline constexpr std::int32_t no_edit = -1;

struct key_binding {
  win::virtual_key key;
  held ctrl;  // "Ctrl" rows also ask Alt up; see `alt_any`
  held shift;
  bool alt_any;  // Ctrl-any: Ctrl down whatever Alt is
  key_condition condition;
  std::int32_t edit_kind;  // no_edit: no edit step begins
  key_action action;
  bool repeated;           // runs once per repetition of the key
};

std::span<const key_binding> key_bindings();

// The first row for `key` whose modifiers match and whose condition holds.
template <class Condition>
std::optional<key_binding> find_binding(win::virtual_key key, modifiers m, Condition&& holds) {
  const auto matches = [](held h, bool down) { return h == held::any || (h == held::down) == down; };
  for (const key_binding& b : key_bindings()) {
    if (b.key != key || !matches(b.ctrl, m.ctrl) || !matches(b.shift, m.shift)) continue;
    if (b.ctrl == held::down && !b.alt_any && m.alt) continue;
    if (holds(b.condition)) return b;
  }
  return std::nullopt;
}

}  // namespace editor
