// The toolbar's drop-down menus as values: line spacing (148), numbering
// (145), columns (151) and alignment (152). Each is built from the state it
// marks; the view shows it under its button and hands back the chosen
// command id, which the toolbar turns into an operation. Nothing here
// changes the text.
#pragma once

#include <optional>
#include <vector>

#include "mtext/format.h"
#include "mtext/letters_dictionary.h"
#include "platform/sdk/OdString.h"
#include "ui/selection_formatting.h"

namespace ui {

struct menu_entry {
  int id = 0;  // 0 for a submenu's own entry
  OdString caption;
  bool checked = false;
  std::vector<menu_entry> submenu;
};
using toolbar_menu = std::vector<menu_entry>;

// The entry with the command `id`, searched through submenus; null when absent.
const menu_entry* find_entry(const toolbar_menu& menu, int id);

// Line spacing ---------------------------------------------------------------

namespace spacing_cmd {
inline constexpr int one = 14801, one_and_half = 14802, two = 14803, two_and_half = 14804;
inline constexpr int drop = 14805, more = 14806;
}  // namespace spacing_cmd

// Marks the factor when the spacing is "multiple" within 0.01 of it.
toolbar_menu line_spacing_menu(const std::optional<mtext::format::line_spacing_change>& current);
// The spacing a factor or "Drop line spacing" sets; none for "More..." and unknown ids.
std::optional<mtext::format::line_spacing_change> spacing_of_command(int id);

// Numbering ------------------------------------------------------------------

namespace numbering_cmd {
inline constexpr int off = 14501, numbered = 14502, bulleted = 14503, upper = 14504, lower = 14505;
inline constexpr int restart = 14506, continue_ = 14507;  // never shown
inline constexpr int first_alphabet = 2001;
}  // namespace numbering_cmd

// "Off", "Numbered", "Bulleted" and the "Lettered" submenu ("Uppercase",
// "Lowercase", then the named alphabets), the current kind marked.
toolbar_menu numbering_menu(const list_kind& current, const mtext::marks::letters_dictionary& dictionary);
// The kind a command sets: an alphabet keeps the current case (lower when
// the current kind is not lettered) and the case keeps the alphabet.
std::optional<list_kind> list_kind_of_command(int id, const list_kind& current);

// Columns --------------------------------------------------------------------

namespace columns_cmd {
inline constexpr int none = 15101, auto_height = 15102, manual_height = 15103;
inline constexpr int static_2 = 15112;  // static_2 + n - 2 for n up to 6
inline constexpr int more = 15120, insert = 15121, parameters = 15122;
}  // namespace columns_cmd

inline constexpr int least_columns = 2, most_columns = 100;

struct columns_state {
  std::int32_t type = 0;  // 0 none, 1 static, 2 dynamic
  bool auto_height = true;
  std::size_t count = 1;
};
toolbar_menu columns_menu(const columns_state& current);
// The static count a command asks for (2 to 6); none for the others.
std::optional<int> static_count_of_command(int id);

// The width and gutter of n static columns made on a text of one column.
struct column_split {
  double width = 0.0;
  double gutter = 0.0;
  friend bool operator==(const column_split&, const column_split&) = default;
};
column_split split_into_columns(double total_width, double text_height, int n);

// Alignment ------------------------------------------------------------------

namespace alignment_cmd {
inline constexpr int first = 15201;  // first + index 0 to 8: top left to bottom right
}

// Nine attachments (1 top left to 9 bottom right), the current one marked.
toolbar_menu alignment_menu(int attachment);
// The attachment (1 to 9) a command sets.
std::optional<int> attachment_of_command(int id);

}  // namespace ui
