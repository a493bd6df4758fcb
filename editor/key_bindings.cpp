#include "editor/key_bindings.h"

namespace editor {

namespace {

using enum key_action;
using enum key_condition;
constexpr held up = held::up, down = held::down, any = held::any;
constexpr win::virtual_key letter(char c) { return static_cast<win::virtual_key>(c); }

// Edit kinds: 0 caret movement, 1 deletion and structure, 2 typing.
constexpr key_binding table[] = {
    {win::VK_ESCAPE, any, any, false, several_selections, no_edit, keep_first_selection, false},
    {win::VK_ESCAPE, any, any, false, always, no_edit, cancel, false},
    {win::VK_RETURN, any, any, false, filled_single_line, 2, accept, false},
    {win::VK_RETURN, any, down, false, always, 2, line_break, true},
    {win::VK_RETURN, down, any, false, always, 2, accept, false},
    {win::VK_RETURN, any, any, false, single_line_at_text_end, 2, accept, false},
    {win::VK_RETURN, any, any, false, always, 2, paragraph_break, true},
    {win::VK_BACK, any, any, false, always, 1, backspace, true},
    {win::VK_TAB, any, any, false, paragraph_mode, 2, tab, true},
    {win::VK_DELETE, any, down, false, always, 1, cut, false},
    {win::VK_DELETE, any, any, false, always, 1, delete_forward, true},
    {win::VK_LEFT, any, any, false, always, 0, move_left, true},
    {win::VK_RIGHT, any, any, false, always, 0, move_right, true},
    {win::VK_UP, any, any, false, always, 0, move_up, true},
    {win::VK_DOWN, any, any, false, always, 0, move_down, true},
    {win::VK_HOME, any, any, false, always, 0, line_start, false},
    {win::VK_END, any, any, false, always, 0, line_end, false},
    {win::VK_PRIOR, any, any, false, always, 0, text_start, false},
    {win::VK_NEXT, any, any, false, always, 0, text_end, false},
    {letter('X'), down, any, false, always, 1, cut, false},
    {letter('A'), down, any, false, always, no_edit, select_all, false},
    {letter('Z'), down, any, false, always, no_edit, undo, false},
    {letter('Y'), down, any, false, always, no_edit, redo, false},
    {win::VK_INSERT, down, any, false, always, no_edit, copy, false},
    {win::VK_INSERT, any, down, false, always, 1, paste_rich, false},
    {letter('C'), down, any, false, always, no_edit, copy, false},
    {letter('V'), down, any, false, always, 1, paste, false},
    {letter('T'), down, any, true, columns_below_limit, 1, column_break, false},
    {letter('T'), down, any, true, always, no_edit, nothing, false},
};

}  // namespace

std::span<const key_binding> key_bindings() { return table; }

}  // namespace editor
