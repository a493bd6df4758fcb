#include "ui/toolbar_controls.h"

#include <algorithm>
#include <array>

namespace ui {

namespace {

using enum control_kind;
namespace c = control;

constexpr std::array<control_row, 35> rows{{
    {c::style, combo, u"", u"Style", false},
    {c::font, combo, u"", u"Font", false},
    {c::height, height_combo, u"", u"Text size", false},
    {c::bold, check_button, u"B", u"Bold", false},
    {c::italic, check_button, u"I", u"Italic", false},
    {c::underline, check_button, u"U", u"Underlined", true},
    {c::overline, check_button, u"O", u"Overlined", true},
    {c::undo, button, u"<|", u"Undo", true},
    {c::redo, button, u"|>", u"Redo", true},
    {c::stack, button, u"1/2", u"Stack", false},
    {c::superscript, button, u"^x", u"Superscript", false},
    {c::subscript, button, u"_x", u"Subscript", false},
    {c::ruler, check_button, u"R", u"Show ruler", false},
    {c::ok, button, u"OK", u"OK (Ctrl+Enter)", true},
    {c::columns, menu_button, u"||", u"Columns settings", false},
    {c::alignment, menu_button, u"_|", u"Change alignment", false},
    {c::align_left, button, u"<", u"Align left", false},
    {c::align_center, button, u"|", u"Align center", false},
    {c::justified, button, u"J", u"Justified", false},
    {c::align_right, button, u">", u"Align right", false},
    {c::distributed, button, u"D", u"Distributed", false},
    {c::upper, button, u"aA", u"Map characters to upper", false},
    {c::lower, button, u"Aa", u"Map characters to lower", false},
    {c::symbol, button, u"@", u"Insert symbol", false},
    {c::line_spacing, menu_button, u"=", u"Line Spacing", false},
    {c::numbering, menu_button, u"1.", u"Numbering", false},
    {c::field, button, u"[]", u"Insert field", true},
    {c::oblique, edit, u"", u"Oblique", false},
    {c::oblique_spin, spin, u"", u"Oblique", false},
    {c::width, edit, u"", u"Width", false},
    {c::width_spin, spin, u"", u"Width", false},
    {c::color, color_combo, u"", u"Font color", false},
    {c::search, button, u"N", u"Search in Kodexa", false},
    {c::oblique_icon, icon, u"", u"", false},
    {c::width_icon, icon, u"", u"", false},
}};

}  // namespace

std::span<const control_row> toolbar_controls() { return rows; }

const control_row* control_of(int id) {
  const auto found = std::find_if(rows.begin(), rows.end(), [id](const control_row& r) { return r.id == id; });
  return found == rows.end() ? nullptr : &*found;
}

}  // namespace ui
