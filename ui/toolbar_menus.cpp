#include "ui/toolbar_menus.h"

#include <array>
#include <cmath>

namespace ui {

namespace {

struct spacing_row {
  int id;
  const char16_t* caption;
  double factor;
};
constexpr std::array<spacing_row, 4> spacing_rows{{
    {spacing_cmd::one, u"1.0x", 1.0},
    {spacing_cmd::one_and_half, u"1.5x", 1.5},
    {spacing_cmd::two, u"2.0x", 2.0},
    {spacing_cmd::two_and_half, u"2.5x", 2.5},
}};
constexpr double spacing_tolerance = 0.01;

constexpr std::array<const char16_t*, 9> alignment_captions{
    u"Left top",    u"Center top",    u"Right top",    u"Left middle", u"Center middle",
    u"Right middle", u"Left bottom", u"Center bottom", u"Right bottom",
};
constexpr int attachments = 9;
constexpr int static_choices = 5;  // "2" to "6"

bool lettered(const list_kind& k) {
  return k.kind == list_kind::lettered_lower || k.kind == list_kind::lettered_upper;
}

OdString count_caption(int n) { return OdString(std::u16string(1, static_cast<char16_t>(u'0' + n))); }

}  // namespace

const menu_entry* find_entry(const toolbar_menu& menu, int id) {
  for (const menu_entry& e : menu) {
    if (e.id == id && id != 0) return &e;
    if (const menu_entry* inner = find_entry(e.submenu, id)) return inner;
  }
  return nullptr;
}

toolbar_menu line_spacing_menu(const std::optional<mtext::format::line_spacing_change>& current) {
  const bool multiple = current && current->style == mtext::format::spacing_multiple;
  toolbar_menu menu;
  for (const spacing_row& r : spacing_rows)
    menu.push_back({r.id, r.caption, multiple && std::abs(current->factor - r.factor) < spacing_tolerance, {}});
  menu.push_back({spacing_cmd::drop, u"Drop line spacing", false, {}});
  menu.push_back({spacing_cmd::more, u"More...", false, {}});
  return menu;
}

std::optional<mtext::format::line_spacing_change> spacing_of_command(int id) {
  for (const spacing_row& r : spacing_rows)
    if (r.id == id) return mtext::format::line_spacing_change{mtext::format::spacing_multiple, r.factor};
  if (id == spacing_cmd::drop) return mtext::format::line_spacing_change{mtext::format::spacing_unset, 1.0};
  return std::nullopt;
}

toolbar_menu numbering_menu(const list_kind& current, const mtext::marks::letters_dictionary& dictionary) {
  menu_entry letters{0, u"Lettered", lettered(current), {}};
  letters.submenu.push_back({numbering_cmd::upper, u"Uppercase", current.kind == list_kind::lettered_upper, {}});
  letters.submenu.push_back({numbering_cmd::lower, u"Lowercase", current.kind == list_kind::lettered_lower, {}});
  for (std::size_t a = 0; a < dictionary.alphabets.size(); ++a)
    letters.submenu.push_back({numbering_cmd::first_alphabet + static_cast<int>(a),
                               OdString(dictionary.alphabets[a].name), lettered(current) && current.alphabet == a, {}});
  return {
      {numbering_cmd::off, u"Off", current.kind == list_kind::off, {}},
      {numbering_cmd::numbered, u"Numbered", current.kind == list_kind::numbered, {}},
      {numbering_cmd::bulleted, u"Bulleted", current.kind == list_kind::bulleted, {}},
      letters,
  };
}

std::optional<list_kind> list_kind_of_command(int id, const list_kind& current) {
  const std::uint32_t alphabet = lettered(current) ? current.alphabet : 0;
  switch (id) {
    case numbering_cmd::off: return list_kind{list_kind::off, 0};
    case numbering_cmd::numbered: return list_kind{list_kind::numbered, 0};
    case numbering_cmd::bulleted: return list_kind{list_kind::bulleted, 0};
    case numbering_cmd::upper: return list_kind{list_kind::lettered_upper, alphabet};
    case numbering_cmd::lower: return list_kind{list_kind::lettered_lower, alphabet};
    default: break;
  }
  if (id < numbering_cmd::first_alphabet) return std::nullopt;
  const auto kind = current.kind == list_kind::lettered_upper ? list_kind::lettered_upper : list_kind::lettered_lower;
  return list_kind{kind, static_cast<std::uint32_t>(id - numbering_cmd::first_alphabet)};
}

toolbar_menu columns_menu(const columns_state& c) {
  const bool dynamic = c.type == 2, fixed = c.type == 1;
  menu_entry by_count{0, u"Static", fixed, {}};
  for (int n = least_columns; n < least_columns + static_choices; ++n)
    by_count.submenu.push_back({columns_cmd::static_2 + n - least_columns, count_caption(n),
                                fixed && c.count == static_cast<std::size_t>(n), {}});
  const bool beyond = fixed && (c.count < least_columns || c.count >= least_columns + static_choices);
  by_count.submenu.push_back({columns_cmd::more, u"More...", beyond, {}});
  return {
      {columns_cmd::none, u"No columns", c.type == 0, {}},
      {0, u"Dynamic", dynamic, {{columns_cmd::auto_height, u"Auto height", dynamic && c.auto_height, {}},
                                {columns_cmd::manual_height, u"Manual height", dynamic && !c.auto_height, {}}}},
      by_count,
      {columns_cmd::insert, u"Insert column   Ctrl+T", false, {}},
      {columns_cmd::parameters, u"Column parameters...", false, {}},
  };
}

std::optional<int> static_count_of_command(int id) {
  const int n = id - columns_cmd::static_2 + least_columns;
  if (n < least_columns || n >= least_columns + static_choices) return std::nullopt;
  return n;
}

// The gutter is four text heights; a column never gets narrower than the
// text height, and the gutter gives way first.
column_split split_into_columns(double total, double text_height, int n) {
  double gutter = 4.0 * text_height;
  double width = (total - (n - 1) * gutter) / n;
  if (width >= text_height) return {width, gutter};
  width = text_height;
  gutter = (total - n * width) / (n - 1);
  if (gutter >= 0.0) return {width, gutter};
  return {total / n, 0.0};
}

toolbar_menu alignment_menu(int attachment) {
  toolbar_menu menu;
  for (int i = 0; i < attachments; ++i)
    menu.push_back({alignment_cmd::first + i, alignment_captions[i], attachment == i + 1, {}});
  return menu;
}

std::optional<int> attachment_of_command(int id) {
  const int index = id - alignment_cmd::first;
  if (index < 0 || index >= attachments) return std::nullopt;
  return index + 1;
}

}  // namespace ui
