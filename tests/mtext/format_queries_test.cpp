#include <gtest/gtest.h>

#include <functional>

#include "describe.h"
#include "mtext/format_queries.h"
#include "mtext/layout.h"
#include "test_finder.h"

namespace {

using namespace mtext;
using mtext_test::fixed_finder;

geom_multitext laid_out(const std::u16string& content) {
  geom_multitext text;
  to_geom(text, mtext_test::parsed(content, mtext_test::base_format(1.0)), 1.0, fixed_finder());
  return text;
}

// The names of the set fields, in declaration order.
std::string set_fields(const format::string_partial& k) {
  std::string out;
  auto add = [&](bool set, const char* name) { if (set) out += (out.empty() ? "" : " ") + std::string(name); };
  add(k.height.has_value(), "height");
  add(k.font.kind != 2, "font");
  add(k.bold != tri::unset, "bold");
  add(k.italic != tri::unset, "italic");
  add(k.underline != tri::unset, "underline");
  add(k.overline != tri::unset, "overline");
  add(k.color.has_value(), "color");
  add(k.width.has_value(), "width");
  add(k.oblique.has_value(), "oblique");
  add(k.tracking.has_value(), "tracking");
  add(k.align.has_value(), "align");
  return out;
}

// Height, bold and italic of a partial as "h1 b1 i0", "-" for unset.
std::string summary(const format::string_partial& k) {
  auto tri_text = [](std::int32_t v) { return v == tri::unset ? std::string("-") : std::to_string(v); };
  const std::string height = k.height ? std::to_string(static_cast<int>(k.height->value)) : "-";
  return "h" + height + " b" + tri_text(k.bold) + " i" + tri_text(k.italic);
}

std::string summary(const format::string& f) { return summary(format::full_partial(f)); }

std::string error_of(const std::function<void()>& query) {
  try {
    query();
  } catch (const std::invalid_argument& e) {
    return e.what();
  }
  return "no error";
}

// --- intersection over a range of parts --------------------------------------

struct range_case {
  std::u16string content;  // two parts that differ in one attribute
  const char* unset;       // the attribute the intersection drops
};

void PrintTo(const range_case& c, std::ostream* out) { *out << mtext_test::utf8(c.content); }

class RangeIntersection : public ::testing::TestWithParam<range_case> {};

TEST_P(RangeIntersection, DropsOnlyTheDifferingAttribute) {
  const geom_multitext g = laid_out(GetParam().content);
  ASSERT_EQ(g.size(), 2u);
  std::string expected = set_fields(format::full_partial(g.parts[0].part().format));
  expected.erase(expected.find(GetParam().unset), std::string(GetParam().unset).size() + 1);
  EXPECT_EQ(set_fields(format::intersection(g.parts.begin(), g.parts.end())), expected);
}

INSTANTIATE_TEST_SUITE_P(
    FormatQueries, RangeIntersection,
    ::testing::Values(range_case{u"{\\fArial|b1;a}b", "bold"}, range_case{u"{\\La}b", "underline"},
                      range_case{u"{\\H2;a}b", "height"}, range_case{u"{\\C1;a}b", "color"},
                      range_case{u"{\\W2;a}b", "width"}, range_case{u"{\\fTimes;a}b", "font"}));

TEST(FormatQueries, IntersectionOfNoPartsHasNothingSet) {
  const geom_multitext g = laid_out(u"ab");
  EXPECT_EQ(set_fields(format::intersection(g.parts.begin(), g.parts.begin())), "");
}

struct paragraph_range_case {
  position first, last;
  bool right_indent_set;
};

class ParagraphIntersection : public ::testing::TestWithParam<paragraph_range_case> {};

TEST_P(ParagraphIntersection, CountsParagraphsOpenedInTheRange) {
  // a | \P (right 3) | b | \P (right 2) | c; every paragraph has left indent 1
  const geom_multitext g = laid_out(u"\\pxl1,r2;a\\P\\pxr3;b\\P\\pxr2;c");
  const auto& c = GetParam();
  const format::paragraph_partial k =
      format::intersection(g.paragraph, g.parts.begin() + c.first, g.parts.begin() + c.last);
  ASSERT_TRUE(k.left_indent);
  EXPECT_DOUBLE_EQ(*k.left_indent, 1.0);
  EXPECT_EQ(k.right_indent.has_value(), c.right_indent_set);
}

INSTANTIATE_TEST_SUITE_P(FormatQueries, ParagraphIntersection,
                         ::testing::Values(paragraph_range_case{0, 1, true},    // no break inside
                                           paragraph_range_case{0, 2, false},   // the break to right 3
                                           paragraph_range_case{3, 5, true}));  // only the break to right 2

// --- apply_to over a range of parts --------------------------------------------

TEST(FormatQueries, ApplyToChangesOnlyTheRangeAndDoesNotMeasure) {
  geom_multitext g = laid_out(u"abcd");
  format::string_partial k;
  k.bold = tri::on;
  k.height = format::height_change{2.0, false};
  format::apply_to(g.parts.begin() + 1, g.parts.begin() + 3, k);
  std::string bold;
  for (const geom_part& p : g.parts) bold += summary(p.part().format) + ";";
  EXPECT_EQ(bold, "h1 b0 i0;h2 b1 i0;h2 b1 i0;h1 b0 i0;");
  EXPECT_DOUBLE_EQ(g.parts[1].geometry.advance, 1.0) << "the advance is still the one measured at height 1";
}

TEST(FormatQueries, ApplyToThroughPartPointers) {
  geom_multitext g = laid_out(u"abcd");
  const format::part_pointers picked{&g.parts[3], &g.parts[0]};
  format::string_partial k;
  k.italic = tri::on;
  format::apply_to(picked.begin(), picked.end(), k);
  std::string italic;
  for (const geom_part& p : g.parts) italic += summary(p.part().format) + ";";
  EXPECT_EQ(italic, "h1 b0 i1;h1 b0 i0;h1 b0 i0;h1 b0 i1;");
}

struct paragraph_apply_case {
  std::u16string content;
  position first, last;
  const char* changed;  // "p" and the indices of the breaks whose paragraph changed
};

void PrintTo(const paragraph_apply_case& c, std::ostream* out) {
  *out << mtext_test::utf8(c.content) << " [" << c.first << ", " << c.last << ")";
}

std::string changed_paragraphs(const format::paragraph& p, const geom_multitext& g) {
  std::string out = p.left_indent == 5.0 ? "p" : "";
  for (position i = 0; i < g.size(); ++i)
    if (g.parts[i].type() == new_paragraph_type && part_cast<new_paragraph>(g.parts[i].part()).paragraph.left_indent == 5.0)
      out += "," + std::to_string(i);
  return out;
}

class ParagraphApply : public ::testing::TestWithParam<paragraph_apply_case> {
protected:
  format::paragraph_partial change() const {
    format::paragraph_partial k;
    k.left_indent = 5.0;
    return k;
  }
};

TEST_P(ParagraphApply, OwningVector) {
  const auto& c = GetParam();
  geom_multitext g = laid_out(c.content);
  format::paragraph p = g.paragraph;
  format::apply_to(p, g.parts.begin() + c.first, g.parts.begin() + c.last, change());
  EXPECT_EQ(changed_paragraphs(p, g), c.changed);
}

INSTANTIATE_TEST_SUITE_P(
    FormatQueries, ParagraphApply,
    ::testing::Values(paragraph_apply_case{u"a\\Pb\\Pc", 0, 5, "p,1,3"},  // the last part is no break
                      paragraph_apply_case{u"a\\Pb\\Pc", 0, 3, "p,1"},
                      paragraph_apply_case{u"a\\Pb\\Pc", 0, 4, "p,1"},    // a final break and b before it
                      paragraph_apply_case{u"a\\Pb\\Pc", 2, 4, "p"},
                      paragraph_apply_case{u"a\\P\\Pc", 0, 3, "p"},       // the break before a final break
                      paragraph_apply_case{u"a\\Pb\\Pc", 1, 2, "p"},      // a single break
                      paragraph_apply_case{u"a\\Pb\\Pc", 2, 2, "p"}));    // empty

// --- position queries ----------------------------------------------------------

// x(bold) \P(bold) 1 . \t (height 2, the list number) a b (italic); the
// default format has height 3.
class ListText : public ::testing::Test {
protected:
  ListText() : g(laid_out(u"{\\fArial|b1;x\\P}{\\H2;1.\t}{\\fArial|i1;ab}")) {
    g.marks.push_back(new marks::numbering(2, 5, {marks::numbering_index{1, marks::numbering_decimal, 0}}));
  }
  geom_multitext g;
  const format::string default_format = mtext_test::base_format(3.0);
};

struct mark_case {
  position begin, end;
  const char* shown;  // summary of the current format
};

void PrintTo(const mark_case& c, std::ostream* out) { *out << "[" << c.begin << ", " << c.end << ")"; }

class CurrentFormat : public ListText, public ::testing::WithParamInterface<mark_case> {};

TEST_P(CurrentFormat, Shown) {
  const marks::selection m(GetParam().begin, GetParam().end);
  EXPECT_EQ(summary(format::current_format(g, default_format, m)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    FormatQueries, CurrentFormat,
    ::testing::Values(mark_case{0, 0, "h3 b0 i0"},   // start of the text: the default
                      mark_case{1, 1, "h1 b1 i0"},   // after x
                      mark_case{5, 5, "h1 b1 i0"},   // right after the number: the break before it
                      mark_case{3, 3, "h1 b1 i0"},   // inside the number
                      mark_case{2, 5, "h3 b0 i0"},   // only the number: the default
                      mark_case{2, 6, "h1 b0 i1"},   // the number is skipped
                      mark_case{0, 2, "h1 b1 i0"},
                      mark_case{1, 7, "h1 b- i-"})); // bold break, italic letters

TEST_F(ListText, InsertionFormatAtPositions) {
  EXPECT_EQ(summary(format::insertion_format(g, default_format, position{0})), "h3 b0 i0");
  EXPECT_EQ(summary(format::insertion_format(g, default_format, position{5})), "h1 b1 i0");
  EXPECT_EQ(summary(format::insertion_format(g, default_format, g.size())), "h1 b0 i1") << "one past the last part";
  EXPECT_EQ(error_of([&] { format::insertion_format(g, default_format, g.size() + 1); }),
            "geom_multitext::verify_elem: at doesn't belong to multitext");
}

TEST_F(ListText, InsertionFormatOfSelections) {
  EXPECT_EQ(summary(format::insertion_format(g, default_format, marks::selection(2, 7))), "h1 b0 i1")
      << "the first part after the number";
  EXPECT_EQ(summary(format::insertion_format(g, default_format, marks::selection(1, 7))), "h1 b1 i0")
      << "the first part's own values where the selection differs";
  EXPECT_EQ(summary(format::insertion_format(g, default_format, marks::selection(2, 5))), "h3 b0 i0");
  EXPECT_EQ(summary(format::insertion_format(g, default_format, marks::selection(5, 5))), "h1 b1 i0");
}

TEST(FormatQueries, InsertionFormatOfASelectionKeepsTheFirstPartsOwnAttributes) {
  // the selection shares the colour but not the height: the first part's height stays
  const geom_multitext g = laid_out(u"{\\H2;\\C1;a}{\\C1;b}");
  const format::string f = format::insertion_format(g, mtext_test::base_format(3.0), marks::selection(0, 2));
  EXPECT_DOUBLE_EQ(f.height, 2.0);
  EXPECT_EQ(f.color, g.parts[1].part().format.color);
}

struct paragraph_mark_case {
  position begin, end;
  double left_indent;  // 0: unset
};

class CurrentParagraphFormat : public ::testing::TestWithParam<paragraph_mark_case> {};

TEST_P(CurrentParagraphFormat, Shown) {
  // a | \P (left 2) | b | \P (left 3) | c, the first paragraph left 1
  const geom_multitext g = laid_out(u"\\pxl1;a\\P\\pxl2;b\\P\\pxl3;c");
  const auto& c = GetParam();
  const format::paragraph_partial k = format::current_paragraph_format(g, marks::selection(c.begin, c.end));
  EXPECT_EQ(k.left_indent.value_or(0.0), c.left_indent);
}

INSTANTIATE_TEST_SUITE_P(FormatQueries, CurrentParagraphFormat,
                         ::testing::Values(paragraph_mark_case{1, 1, 1.0},   // before the first break
                                           paragraph_mark_case{2, 2, 2.0},   // in the second paragraph
                                           paragraph_mark_case{5, 5, 3.0},   // at the very end
                                           paragraph_mark_case{2, 3, 2.0},
                                           paragraph_mark_case{0, 3, 0.0}));  // spans two paragraphs

}  // namespace
