#include <gtest/gtest.h>

#include "describe.h"
#include "mtext/format_algebra.h"

namespace {

using namespace mtext;
using namespace mtext::format;
using mtext_test::base_format;

TEST(FormatEquality, HeightHasAToleranceWidthNoneAndAlignNoPart) {
  format::string a = base_format(2.5), b = a;
  b.height = 2.5 + 5e-7;
  b.align = 2;
  EXPECT_TRUE(a == b);
  b.height = 2.5 + 2e-6;
  EXPECT_FALSE(a == b);
  b = a;
  b.style.setXScale(1.0 + 1e-12);
  EXPECT_FALSE(a == b);
}

TEST(FontInForce, ShapeFlagPicksBetweenTwoNames) {
  OdGiTextStyle style;
  style.setFont(u"Arial", false, false, 0, 0);
  style.setFileName(u"romans.shx");
  EXPECT_FALSE(font_of(style).shx);
  EXPECT_EQ(font_of(style).name, OdString(u"Arial"));
  style.setShxFont(true);
  EXPECT_TRUE(font_of(style).shx);
  EXPECT_EQ(font_of(style).name, OdString(u"romans.shx"));
  OdGiTextStyle only_file;
  only_file.setFileName(u"txt.shx");
  EXPECT_TRUE(font_of(only_file).shx);
}

TEST(Merge, CharsetUnderTheSameNameIsNotRecorded) {
  format::string a = base_format(), b = a;
  set_charset(b.style, 204);
  EXPECT_EQ(merge(a, b).font.kind, 2);
  b.style.setFont(u"Times", false, false, 204, 0);
  const string_partial d = merge(a, b);
  EXPECT_EQ(d.font.kind, 0);
  EXPECT_EQ(d.font.name, OdString(u"Times"));
  EXPECT_EQ(d.font.charset, 204);
}

TEST(Merge, ParagraphLengthsCompareInTextHeights) {
  paragraph a, b;
  a.extended = false;
  a.left_indent = 10.0;
  b.left_indent = 4.0;
  EXPECT_FALSE(merge(2.5, a, b).left_indent);
  b.left_indent = 4.001;
  ASSERT_TRUE(merge(2.5, a, b).left_indent);
  EXPECT_DOUBLE_EQ(*merge(2.5, a, b).left_indent, 4.001);
}

TEST(Merge, ParagraphTabsAndSpacing) {
  paragraph a, b;
  a.tabs = {{1.0, tab_left, u' '}};
  b.tabs = {{1.0 + 1e-14, tab_left, u' '}};
  EXPECT_FALSE(merge(1.0, a, b).tabs) << "positions within a few ulps are the same stop";
  b.tabs = {{1.0, tab_decimal, u','}};
  EXPECT_TRUE(merge(1.0, a, b).tabs);
  b = a;
  b.line_spacing = 1.0 + 1e-9;
  EXPECT_TRUE(merge(1.0, a, b).line_spacing) << "factors compare exactly";
}

TEST(Intersection, FontComparesNamesOnly) {
  string_partial a, b;
  a.font = {u"Arial", 34, 0, 0};
  b.font = {u"Arial", 0, 204, 0};
  EXPECT_EQ(intersection(a, b).font.pitch_family, 34);
  b.font.name = u"arial";
  EXPECT_EQ(intersection(a, b).font.kind, 2);
}

TEST(Intersection, ParagraphTabsComeFromTheSecond) {
  paragraph_partial a, b;
  a.left_indent = 1.0;
  b.left_indent = 1.0;
  a.tabs = std::vector<tab_stop>{{2.0, tab_left, u' '}};
  const paragraph_partial common = intersection(a, b);
  EXPECT_TRUE(common.left_indent);
  EXPECT_FALSE(common.tabs);
}

TEST(ApplyTo, CharacterChange) {
  string_partial change;
  change.height = height_change{5.0, true};
  change.font = {u"romans.shx", 0, 0, 1};
  change.underline = tri::on;
  change.width = 0.5;
  const format::string s = applied_to(base_format(), change);
  EXPECT_DOUBLE_EQ(s.height, 5.0) << "the relative flag is not consulted";
  EXPECT_TRUE(font_of(s.style).shx);
  EXPECT_EQ(font_of(s.style).name, OdString(u"romans.shx"));
  EXPECT_TRUE(s.style.isUnderlined());
  EXPECT_DOUBLE_EQ(s.style.xScale(), 0.5);
  EXPECT_TRUE(applied_to(s, string_partial()) == s) << "an empty change changes nothing";
}

TEST(ApplyTo, TypefaceKeepsBoldAndItalic) {
  format::string s = base_format();
  set_bold(s.style, true);
  string_partial change;
  change.font = {u"Times", 18, 161, 0};
  apply_to(s, change);
  EXPECT_EQ(s.style.ttfDecriptor().typeface(), OdString(u"Times"));
  EXPECT_TRUE(s.style.ttfDecriptor().isBold());
  EXPECT_EQ(s.style.ttfDecriptor().charSet(), 161);
  EXPECT_EQ(s.style.codePage(), 1253);
}

TEST(ApplyTo, PartialOverPartial) {
  string_partial d, k;
  d.bold = tri::on;
  k.italic = tri::off;
  k.font = {u"x", 0, 0, 7};
  const string_partial r = applied_to(d, k);
  EXPECT_EQ(r.bold, tri::on);
  EXPECT_EQ(r.italic, tri::off);
  EXPECT_EQ(r.font.kind, 0) << "an unknown kind is stored as a typeface";
}

TEST(ApplyTo, ParagraphLeavesTabsAndExtendedAlone) {
  paragraph p;
  p.tabs = {{1.0, tab_left, u' '}};
  paragraph_partial k;
  k.tabs = std::vector<tab_stop>{};
  k.line_spacing = line_spacing_change{spacing_exactly, 2.0};
  k.alignment = alignment_right;
  apply_to(p, k);
  EXPECT_EQ(p.tabs.size(), 1u);
  EXPECT_EQ(p.line_spacing_style, spacing_exactly);
  EXPECT_DOUBLE_EQ(p.line_spacing, 2.0);
  EXPECT_EQ(p.alignment, alignment_right);
  EXPECT_TRUE(p.extended);

  paragraph_partial d;
  d.left_indent = 3.0;
  d.tabs = std::vector<tab_stop>{};
  apply_to(d, k);
  EXPECT_FALSE(d.left_indent) << "fields unset in the change become unset";
  EXPECT_TRUE(d.tabs);
}

}  // namespace
