#include "editor/context_menu.h"

namespace editor {

namespace {

struct symbol {
  int id;
  char16_t character;
};

// Ids past the diameter have no item in this menu; the toolbar's symbol
// menu uses them. The menu's diameter is U+00D8, not the U+2205 of "%%c".
constexpr symbol symbols[] = {
    {1007, u'\u00B0'}, {1008, u'\u00B1'}, {1009, u'\u00D8'}, {1010, u'\u2248'}, {1011, u'\u2220'},
    {1012, u'\uE100'}, {1013, u'\u2104'}, {1014, u'\u0394'}, {1015, u'\u0278'}, {1016, u'\uE101'},
    {1017, u'\u2261'}, {1018, u'\uE102'}, {1019, u'\u2260'}, {1020, u'\u2126'}, {1021, u'\u03A9'},
    {1022, u'\u214A'}, {1023, u'\u2082'}, {1024, u'\u00B2'},
};

}  // namespace

std::vector<menu_item> context_menu(const menu_state& s) {
  std::vector<menu_item> items = {
      {cmd_select_all, u"Select &All\tCtrl+A", true, {}},
      {cmd_cut, u"Cu&t\tCtrl+X", s.selection_not_empty, {}},
      {cmd_copy, u"&Copy\tCtrl+C", s.selection_not_empty, {}},
      {cmd_paste, u"&Paste\tCtrl+V", s.clipboard_has_text, {}},
      {cmd_undo, u"&Undo\tCtrl+Z", s.can_undo, {}},
      {cmd_redo, u"&Redo\tCtrl+Y", s.can_redo, {}},
  };
  if (s.field_at_pointer) {
    items.push_back({cmd_edit_field, u"Edit field", true, {}});
    items.push_back({cmd_update_field, u"Update field", true, {}});
    items.push_back({cmd_field_to_text, u"Convert field to text", true, {}});
  } else {
    items.push_back({cmd_insert_field, u"Insert field", true, {}});
  }
  items.push_back({0, u"&Insert symbol", true,
                   {{cmd_degrees, u"&Degrees\t%%d", true, {}},
                    {cmd_plus_minus, u"&Plus/Minus\t%%p", true, {}},
                    {cmd_diameter, u"D&iameter\t%%c", true, {}}}});
  return items;
}

std::optional<char16_t> menu_symbol(int id) {
  for (const symbol& s : symbols)
    if (s.id == id) return s.character;
  return std::nullopt;
}

}  // namespace editor
