// The editor's context menu: its items with their ids, captions and
// enabling rule, and the table of symbols its ids insert.
#pragma once

#include <optional>
#include <vector>

#include "platform/host/IHostDialogs.h"
#include "platform/sdk/OdString.h"

namespace editor {

enum menu_command : int {
  cmd_select_all = 1001, cmd_cut = 1002, cmd_copy = 1003, cmd_paste = 1004, cmd_undo = 1005, cmd_redo = 1006,
  cmd_degrees = 1007, cmd_plus_minus = 1008, cmd_diameter = 1009,
  cmd_insert_field = 1049, cmd_edit_field = 1052, cmd_update_field = 1054, cmd_field_to_text = 1056,
};

// The host shows it, so it is the host's item.
using menu_item = host_menu_item;

// What the menu's state depends on.
struct menu_state {
  bool selection_not_empty = false;
  bool clipboard_has_text = false;  // plain text or the "MText" format
  bool can_undo = false;
  bool can_redo = false;
  bool field_at_pointer = false;
};

// The popup as it is shown in `state`: the field items only when a field
// lies at the pointer, Insert field only when none does.
std::vector<menu_item> context_menu(const menu_state& state);

// The character a symbol command inserts; none for other ids.
std::optional<char16_t> menu_symbol(int id);

}  // namespace editor
