// The toolbar's values without an edit: colour encoding and names, the
// menus' marks and commands, and the split into static columns.
#include <gtest/gtest.h>

#include "ui/toolbar_colors.h"
#include "ui/toolbar_menus.h"

namespace {

TEST(ToolbarValues, ColoursEncodeAndDecodeBothWays) {
  const struct {
    mtext::color text;
    ui::toolbar_color value;
    const char* name;
  } rows[] = {
      {{0, 256, 0}, 0x01000100u, "ByLayer"},
      {{0, 0, 0}, 0x01000000u, "ByBlock"},
      {{0, 9, 0}, 0x01000009u, "Color 9"},
      {{1, 0, 0x102030u}, 0x02102030u, "16,32,48"},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ui::encode(r.text), r.value) << r.name;
    EXPECT_EQ(*ui::decode(r.value), r.text) << r.name;
    EXPECT_EQ(ui::encode(ui::entity_color_of(r.value)), r.value) << r.name;
    EXPECT_EQ(ui::color_name(r.value, {}).toUtf8(), r.name);
  }
  EXPECT_FALSE(ui::decode(ui::custom_color_entry));
}

TEST(ToolbarValues, StaticColumnsKeepColumnsAtLeastOneTextHeightWide) {
  const struct {
    double total, text_height;
    int n;
    ui::column_split split;
  } rows[] = {
      {100, 2, 2, {46, 8}},       // gutter four text heights
      {20, 2, 3, {2, 7}},         // too narrow: width the text height, gutter gives way
      {5, 2, 3, {5.0 / 3, 0}},    // even that too wide: no gutter
  };
  for (const auto& r : rows) {
    const ui::column_split got = ui::split_into_columns(r.total, r.text_height, r.n);
    EXPECT_DOUBLE_EQ(got.width, r.split.width) << r.total;
    EXPECT_DOUBLE_EQ(got.gutter, r.split.gutter) << r.total;
  }
}

TEST(ToolbarValues, MenusMarkTheCurrentState) {
  using mtext::format::spacing_multiple;
  EXPECT_TRUE(ui::find_entry(ui::line_spacing_menu({{spacing_multiple, 1.505}}), ui::spacing_cmd::one_and_half)->checked);
  EXPECT_FALSE(ui::find_entry(ui::line_spacing_menu({{1, 1.5}}), ui::spacing_cmd::one_and_half)->checked);
  EXPECT_EQ(ui::spacing_of_command(ui::spacing_cmd::drop)->style, mtext::format::spacing_unset);
  EXPECT_TRUE(ui::find_entry(ui::columns_menu({1, true, 7}), ui::columns_cmd::more)->checked);
  EXPECT_TRUE(ui::find_entry(ui::columns_menu({1, true, 3}), ui::columns_cmd::static_2 + 1)->checked);
  EXPECT_TRUE(ui::find_entry(ui::alignment_menu(5), ui::alignment_cmd::first + 4)->checked);
  const auto dictionary = mtext::marks::letters_dictionary::english();
  const ui::list_kind greek_upper{ui::list_kind::lettered_upper, 1};
  EXPECT_EQ(ui::list_kind_of_command(ui::numbering_cmd::first_alphabet, greek_upper),
            (ui::list_kind{ui::list_kind::lettered_upper, 0}));
  EXPECT_FALSE(ui::find_entry(ui::numbering_menu({}, dictionary), ui::numbering_cmd::restart));
}

}  // namespace
