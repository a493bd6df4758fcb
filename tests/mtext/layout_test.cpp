#include <gtest/gtest.h>

#include <cmath>

#include "describe.h"
#include "mtext/layout.h"
#include "test_finder.h"

namespace {

using namespace mtext;
using mtext_test::fixed_finder;

constexpr double eps = 1e-9;

format::string unit_format() { return mtext_test::base_format(1.0); }

geom_multitext laid_out(const std::u16string& content, convert_info info = {}) {
  info.text_height = 1.0;
  geom_multitext text;
  to_geom(text, mtext_test::parsed(content, unit_format()), 1.0, fixed_finder());
  text.info = info;
  dispose(text);
  return text;
}

convert_info width(double w) {
  convert_info info;
  info.column_width = w;
  return info;
}

// The characters of each line: spaces as " ", tabs "\t", breaks "|".
std::vector<std::string> lines_of(const geom_multitext& text) {
  std::vector<std::string> lines;
  for (const line_record& line : text.lines) {
    std::string s;
    for (position i = line.begin; i < line.end; ++i) {
      const geom_part& p = text.parts[i];
      switch (p.type()) {
        case string_type: s += mtext_test::utf8(part_cast<string>(p.part()).text); break;
        case spaces_type: s += ' '; break;
        case tab_type: s += '\t'; break;
        case stack_type: s += '#'; break;
        default: s += '|';
      }
    }
    lines.push_back(s);
  }
  return lines;
}

using lines = std::vector<std::string>;

struct wrap_case {
  const char16_t* content;
  double width;
  lines expected;
};

class Wrapping : public ::testing::TestWithParam<wrap_case> {};

TEST_P(Wrapping, BreaksLines) {
  EXPECT_EQ(lines_of(laid_out(GetParam().content, width(GetParam().width))), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, Wrapping,
    ::testing::Values(
        // "aaa bbb" has ink 6.3; with the space 6.8 < 7.5; "ccc" would need 9.8.
        wrap_case{u"aaa bbb ccc", 7.5, {"aaa bbb ", "ccc"}},
        wrap_case{u"aaa bbb ccc", 6.3, {"aaa ", "bbb ", "ccc"}},
        // Trailing spaces stay on the full line and cost no width.
        wrap_case{u"aaa    bbb", 3.5, {"aaa    ", "bbb"}},
        // A word wider than the column stands alone and overflows.
        wrap_case{u"ab abcdefghij cd", 5.0, {"ab ", "abcdefghij ", "cd"}},
        // Only a line break joins the overflowing line; a paragraph break starts the next.
        wrap_case{u"abcdefghij \nab", 5.0, {"abcdefghij |", "ab"}},
        wrap_case{u"abcdefghij\\Pab", 5.0, {"abcdefghij", "|", "ab"}},
        // Width 0: no wrapping, one line per break.
        wrap_case{u"aaa bbb ccc ddd\\Pe\nf", 0.0, {"aaa bbb ccc ddd|", "e|", "f"}},
        // A text ending with a break has an empty last line.
        wrap_case{u"ab\n", 10.0, {"ab|", ""}}));

double x_of(const geom_multitext& text, position i) { return text.parts[i].x; }

struct tab_case {
  const char16_t* content;
  position part;  // whose x is checked
  double x;
};

class Tabs : public ::testing::TestWithParam<tab_case> {};

TEST_P(Tabs, GoToStops) {
  const geom_multitext text = laid_out(GetParam().content, width(40));
  EXPECT_NEAR(x_of(text, GetParam().part), GetParam().x, eps) << mtext_test::utf8(GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, Tabs,
    ::testing::Values(
        tab_case{u"a\tb", 2, 4.0},            // default stops every 4 text heights
        tab_case{u"abcd\tb", 5, 8.0},         // a pen exactly on a stop goes to the next
        tab_case{u"\tb", 1, 4.0},             // a tab first in the line starts at 0
        tab_case{u"\\pxt2.5;a\tb", 2, 2.5},   // explicit stops are in text heights
        tab_case{u"\\pxt0.5,6;abc\tb", 4, 6.0},
        tab_case{u"\\pxt2.5;abc\tb", 4, 4.0}, // past the explicit stops come default ones
        // Hanging indent: a tab before the left indent goes to it.
        tab_case{u"\\pxi-2,l2;1\titem", 2, 2.0}));

struct align_case {
  const char16_t* content;
  double width;
  std::vector<double> xs;  // of every part of the first line
};

class Alignment : public ::testing::TestWithParam<align_case> {};

TEST_P(Alignment, PlacesParts) {
  const geom_multitext text = laid_out(GetParam().content, width(GetParam().width));
  const line_record& first = text.lines.at(0);
  std::vector<double> xs;
  for (position i = first.begin; i < first.end; ++i) xs.push_back(text.parts[i].x);
  ASSERT_EQ(xs.size(), GetParam().xs.size());
  for (std::size_t i = 0; i < xs.size(); ++i) EXPECT_NEAR(xs[i], GetParam().xs[i], eps) << i;
}

INSTANTIATE_TEST_SUITE_P(
    Layout, Alignment,
    ::testing::Values(
        align_case{u"\\pxql;ab", 10, {0, 1}},
        align_case{u"\\pxqc;ab", 10, {4, 5}},
        align_case{u"\\pxqr;ab", 10, {8, 9}},
        // Justified: the two inner spaces share the free width 10 - 7.5 (the
        // line's advance, its trailing space included).
        align_case{u"\\pxqj;ab cd ef ghij", 10, {0, 1, 2, 3.75, 4.75, 5.75, 7.5, 8.5, 9.5}},
        // Distributed: 5 parts spread evenly over the free width 10 - 4.5.
        align_case{u"\\pxqd;ab cd", 10, {0, 2.375, 4.75, 6.625, 9.0}}));

struct spacing_case {
  std::uint32_t style;
  double factor;
  double first_baseline;
  double pitch;
};

class LineSpacing : public ::testing::TestWithParam<spacing_case> {};

// Lines of one height space alike in every layout mode, though the editor's
// mode reaches its pitches by another road.
TEST_P(LineSpacing, PlacesBaselinesInEveryMode) {
  for (const std::uint32_t layout_mode : {0u, 1u, 2u}) {
    convert_info info;
    info.line_spacing_style = GetParam().style;
    info.line_spacing = GetParam().factor;
    info.layout_mode = layout_mode;
    const geom_multitext text = laid_out(u"a\\Pb\\Pc", info);
    ASSERT_EQ(text.lines.size(), 3u);
    EXPECT_NEAR(text.lines[0].y, GetParam().first_baseline, eps) << "mode " << layout_mode;
    EXPECT_NEAR(text.lines[0].y - text.lines[1].y, GetParam().pitch, eps) << "mode " << layout_mode;
    EXPECT_NEAR(text.lines[1].y - text.lines[2].y, GetParam().pitch, eps) << "mode " << layout_mode;
    EXPECT_NEAR(text.parts[2].y, text.lines[1].y, eps) << "parts sit on their line's baseline";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layout, LineSpacing,
    ::testing::Values(spacing_case{format::spacing_exactly, 1.0, -1.0, 5.0 / 3.0},
                      spacing_case{format::spacing_exactly, 2.0, -2.0, 10.0 / 3.0},
                      spacing_case{format::spacing_multiple, 1.5, -1.0, 2.5},
                      spacing_case{format::spacing_at_least, 1.0, -1.0, 5.0 / 3.0},
                      spacing_case{format::spacing_at_least, 2.0, -7.0 / 3.0, 10.0 / 3.0},
                      // Unset falls back to single multiple spacing.
                      spacing_case{format::spacing_unset, 7.0, -1.0, 5.0 / 3.0}));

// One measure of a laid-out text each: line positions and heights, part
// positions and advances.
struct measure_case {
  const char16_t* content;
  convert_info info;
  double (*measure)(const geom_multitext&);
  double expected;
  const char* what;
};

convert_info exactly() {
  convert_info info;
  info.line_spacing_style = format::spacing_exactly;
  return info;
}

TEST(Layout, Measures) {
  using t = const geom_multitext&;
  const measure_case rows[] = {
      {u"a\tb", width(40), [](t g) { return g.parts[1].geometry.advance; }, 3.0, "a tab spans to the stop"},
      // First line at first + left indent, later lines at the left indent.
      {u"\\pxi1,l2,r1;aaa bbb", width(7.5), [](t g) { return g.parts[0].x; }, 3.0, "first line indent"},
      {u"\\pxi1,l2,r1;aaa bbb", width(7.5), [](t g) { return g.parts[4].x; }, 2.0, "left indent"},
      {u"\\pxqj;ab cd ef ghij", width(10), [](t g) { return g.parts[g.lines.at(1).begin + 1].x; }, 1.0,
       "justified leaves the last line"},
      {u"a\\P\\pxse2;b\\Pc", exactly(), [](t g) { return g.lines[0].y - g.lines[1].y; }, 5.0 / 3.0 + 1.0,
       "paragraph spacing overrides the text's"},
      {u"a{\\H2;b}\\Pc", width(20), [](t g) { return g.lines[0].height; }, 2.0, "a tall part sets the line height"},
      {u"a{\\H2;b}\\Pc", width(20), [](t g) { return g.lines[1].y; }, -10.0 / 3.0 - 1.0, "and the next line's"},
      // A line holding only a break is as high as the break's font.
      {u"a\\P\\Pb", {}, [](t g) { return g.lines[2].y; }, -1.0 - 10.0 / 3.0, "a blank paragraph takes a line"},
      {u"a\\P{\\H2;\\P}b", width(20), [](t g) { return g.lines[1].height; }, 2.0, "of its break's height"},
      {u"a\\P{\\H2;\\P}b", width(20), [](t g) { return g.lines[2].y; }, -5.0 / 3.0 - 10.0 / 3.0 - 1.0, "below it"},
      {u"{\\H0.7x;\\S12/3;}", width(20), [](t g) { return g.parts[0].geometry.advance; }, 2 * 0.7,
       "a stack measures its longer text"},
      {u"a\\P", width(20), [](t g) { return g.parts[1].geometry.advance; }, (1.0 - 0.3 + 0.2) * 0.2,
       "a break's advance is a fifth of the line"},
      {u"\\pxqc,l1;ab\\P", width(10), [](t g) { return g.lines.at(1).x; }, 1.0 + 9.0 / 2.0,
       "a trailing line sits at the indent and alignment"},
  };
  for (const measure_case& r : rows)
    EXPECT_NEAR(r.measure(laid_out(r.content, r.info)), r.expected, eps) << r.what << ": " << mtext_test::utf8(r.content);
}

TEST(Layout, VerticalAlignWithinTheLine) {
  // Runs that differ only in alignment merge, so a space keeps b and c apart.
  const geom_multitext text = laid_out(u"{\\H2;A}{\\A1;b} {\\A2;c}", width(20));
  const double baseline = text.lines[0].y;
  EXPECT_NEAR(text.parts[0].y, baseline, eps);
  EXPECT_NEAR(text.parts[1].y, baseline + 0.5, eps) << "centred: (2 - 1) / 2 above the baseline";
  EXPECT_NEAR(text.parts[3].y, baseline + 1.0, eps) << "top: its top at the line's top";
}

convert_info columns(std::uint32_t kind, std::vector<double> heights) {
  convert_info info = width(10);
  info.gutter = 1.0;
  info.column_kind = kind;
  info.column_heights = std::move(heights);
  return info;
}

TEST(Layout, OverflowMovesLinesToTheNextColumn) {
  // Pitch 5/3: the third line's bottom (-5) is below the column height 4.
  const geom_multitext text = laid_out(u"a\\Pb\\Pc\\Pd", columns(columns_dynamic_manual, {4, 4}));
  ASSERT_EQ(text.columns.size(), 2u);
  EXPECT_EQ(text.columns[0].end, 4u);
  EXPECT_NEAR(text.columns[0].height, 10.0 / 3.0, eps);
  EXPECT_NEAR(text.columns[1].x, 11.0, eps);
  EXPECT_NEAR(text.parts[4].x, 11.0, eps);
  EXPECT_NEAR(text.lines[2].y, -1.0, eps) << "the moved line starts at the column's top";
}

TEST(Layout, LastPermittedColumnKeepsOverflowing) {
  const geom_multitext text = laid_out(u"a\\Pb\\Pc\\Pd", columns(columns_static, {4, 4}));
  ASSERT_EQ(text.columns.size(), 2u);
  EXPECT_NEAR(text.parts[6].x, 11.0, eps);
  EXPECT_NEAR(text.lines[3].y, -1.0 - 5.0 / 3.0, eps);
}

TEST(Layout, ColumnBreakStartsTheNextColumn) {
  const geom_multitext text = laid_out(u"a\\Nb", columns(columns_dynamic_auto, {40}));
  ASSERT_EQ(text.columns.size(), 2u);
  EXPECT_NEAR(text.parts[2].x, 11.0, eps);
  EXPECT_NEAR(text.lines[1].y, -1.0, eps);
}

TEST(Layout, VerticalAlignmentShiftsShortColumns) {
  convert_info info = width(10);
  info.column_heights = {10.0};
  info.vertical = 2;
  const geom_multitext text = laid_out(u"a\\Pb", info);
  const double column_height = 10.0 / 3.0;
  EXPECT_NEAR(text.columns[0].height, column_height, eps);
  EXPECT_NEAR(text.lines[0].y, -1.0 - (10.0 - column_height), eps);
  EXPECT_NEAR(text.parts[2].y, text.lines[1].y, eps);
  info.vertical = 1;
  EXPECT_NEAR(laid_out(u"a\\Pb", info).lines[0].y, -1.0 - (10.0 - column_height) / 2, eps);
}

// The empty line after a final column break belongs to the column it opens.
TEST(Layout, VerticalAlignmentShiftsTheLastEmptyLineOnce) {
  for (const std::uint32_t vertical : {1u, 2u}) {
    convert_info info = columns(columns_static, {10.0, 10.0});
    info.vertical = vertical;
    const geom_multitext text = laid_out(u"a\\N", info);
    ASSERT_EQ(text.columns.size(), 2u);
    ASSERT_EQ(text.lines.size(), 2u);
    const double shift = (10.0 - 5.0 / 3.0) * (vertical == 1 ? 0.5 : 1.0);
    EXPECT_NEAR(text.lines[1].y, -1.0 - shift, eps) << "vertical " << vertical;
    EXPECT_NEAR(text.columns[1].y, -shift, eps) << "vertical " << vertical;
  }
}

}  // namespace

namespace {

convert_info mode(std::uint32_t layout_mode, double column_width = 10.0) {
  convert_info info = width(column_width);
  info.layout_mode = layout_mode;
  return info;
}

// The editor places ink where drawing objects place pens; the first part of
// "ab" (ink 0.1 from the pen) shows it.
TEST(LayoutModes, EditorPlacesInkDrawingsPlacePens) {
  EXPECT_NEAR(laid_out(u"ab", mode(0)).parts[0].x, 0.0, eps);
  EXPECT_NEAR(laid_out(u"ab", mode(1)).parts[0].x, -0.1, eps);
  EXPECT_NEAR(laid_out(u"\\pxqc;ab", mode(0)).parts[0].x, 4.0, eps) << "mode 0 centres the advance (2)";
  EXPECT_NEAR(laid_out(u"\\pxqc;ab", mode(2)).parts[0].x, -0.1 + 4.1, eps) << "modes 1 and 2 centre the ink (1.8)";
  EXPECT_NEAR(laid_out(u"\\pxqr;ab", mode(2)).parts[0].x, -0.1 + 8.2, eps) << "mode 2 ends at the ink's right edge";
}

TEST(LayoutModes, EditorColumnsEndAtTheInk) {
  // Mode 1 ends a column at the last baseline less the line's ink depth.
  const geom_multitext drawing = laid_out(u"ag", mode(0));
  const geom_multitext editor = laid_out(u"ag", mode(1));
  EXPECT_NEAR(drawing.columns.at(0).height, 5.0 / 3.0, eps);
  EXPECT_NEAR(editor.columns.at(0).height, 1.0 + 0.2, eps);
}

TEST(LayoutModes, EditorMultipleSpacingIsTwoThirdsOfTheHeightOverTheAscent) {
  // Mode 1, multiple: the pitch is (2/3 H + A) f with A the larger of the
  // line's ink ascent and its height.
  convert_info info = mode(1, 20.0);
  info.line_spacing_style = format::spacing_multiple;
  info.line_spacing = 1.0;
  const geom_multitext text = laid_out(u"a\\Pb", info);
  const double pitch = text.lines[0].y - text.lines[1].y;
  EXPECT_NEAR(pitch, 2.0 / 3.0 + 1.0, eps);
  EXPECT_NEAR(text.lines[0].y, -1.0, eps);
}

}  // namespace
