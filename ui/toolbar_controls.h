// The formatting toolbar's controls as data: ids, kinds, the captions the
// templates give them, tooltips, and which of them the compact template
// shows. A view maps its widgets to these ids.
#pragma once

#include <span>

namespace ui {

// Templates: the full layout (two rows) and the compact one.
inline constexpr int template_full = 101;
inline constexpr int template_compact = 102;

namespace control {
inline constexpr int ok = 1, search = 2;
inline constexpr int bold = 1001, italic = 1002, underline = 1003, overline = 1004;
inline constexpr int align_left = 1005, align_center = 1006, align_right = 1007, justified = 1010,
                     distributed = 1011;
inline constexpr int height = 1008, font = 1009, style = 1015, color = 1029;
inline constexpr int undo = 1012, redo = 1013, stack = 1014, superscript = 1051, subscript = 1052;
inline constexpr int ruler = 1126, columns = 1053, alignment = 1054;
inline constexpr int upper = 1032, lower = 1039, symbol = 1047, line_spacing = 1048, numbering = 1049,
                     field = 1050;
inline constexpr int oblique = 1040, oblique_spin = 1041, width = 1042, width_spin = 1043;
inline constexpr int oblique_icon = 1045, width_icon = 1046;
}  // namespace control

enum class control_kind { button, check_button, menu_button, combo, height_combo, color_combo, edit, spin, icon };

struct control_row {
  int id;
  control_kind kind;
  const char16_t* caption;  // the template's, before icons replace it
  const char16_t* tooltip;
  bool compact;             // shown by the compact template
};

// Every control, in the order of the table of tooltips.
std::span<const control_row> toolbar_controls();
// The row of `id`, or null.
const control_row* control_of(int id);

}  // namespace ui
