#include <gtest/gtest.h>

#include <cmath>

#include "describe.h"

namespace {

using namespace mtext;
using namespace mtext_test;

struct structure_case {
  const char16_t* content;
  const char* parts;
};

class ParseStructure : public ::testing::TestWithParam<structure_case> {};

TEST_P(ParseStructure, GivesParts) {
  EXPECT_EQ(describe(parsed(GetParam().content)), GetParam().parts) << utf8(GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ParseStructure,
    ::testing::Values(
        structure_case{u"", ""},
        structure_case{u"a  b", "\"a\"|_2|\"b\""},
        structure_case{u"a\\Pb", "\"a\"|\\P|\"b\""},
        structure_case{u"a\\Nb", "\"a\"|\\N|\"b\""},
        structure_case{u"a\tb\nc", "\"a\"|\\t|\"b\"|\\n|\"c\""},
        structure_case{u"{\\L ab}cd", "_1|\"ab\"|\"cd\""},
        structure_case{u"}abc", "\"abc\""},
        structure_case{u"ab{cd", "\"abcd\""},
        structure_case{u"x\\S1/2;y", "\"x\"|[1/2]|\"y\""},
        structure_case{u"\\S1#2;", "[1#2]"},
        structure_case{u"\\S1^2;", "[1^2]"},
        structure_case{u"\\S\\/x/y;", "[/x/y]"},
        structure_case{u"\\S4^;", "[4^]"},
        structure_case{u"\\S1/2", "[1/2]"},
        structure_case{u"\\S1/2\\", "[1/2\\]"},  // a backslash at the very end stays
        structure_case{u"%%d%%c%%p", "\"\u00B0\u2205\u00B1\""},
        structure_case{u"%%x", "\"%%x\""},
        structure_case{u"%%", "\"%%\""},
        structure_case{u"\\U+00e9t\\u+00C9", "\"\u00E9t\u00C9\""},
        structure_case{u"\\U+00g", "\"\\U+00g\""},
        // An escaped space is an ordinary space; only "\\~" and U+00A0 hold a word together.
        structure_case{u"a\\U+0020\\u+0020b\\U+00A0c", "\"a\"|_2|\"b\u00A0c\""},
        structure_case{u"\\U+220545,6", "\"\u220545,6\""},
        structure_case{u"a\\~b c", "\"a b\"|_1|\"c\""},
        structure_case{u"\\{\\}\\\\", "\"{}\\\""},
        structure_case{u"\\H.x;a", "\"\\H.x;a\""},
        structure_case{u"\\Zq", "\"\\Zq\""},
        structure_case{u"a\\", "\"a\\\""},
        structure_case{u"\\F;x", "\"\\F;x\""},
        structure_case{u"\\f", "\"\\f\""},
        structure_case{u"%<\\AcVar Date>%", "%<\\AcVar Date>%"},
        structure_case{u"a%<\\AcExpr (%<\\AcVar X>%+1)>%b", "\"a\"|%<\\AcExpr (%<\\AcVar X>%+1)>%|\"b\""},
        structure_case{u"%<open", "\"%<open\""},
        // A code that starts and ends with fields of its own keeps their markers.
        structure_case{u"%<%<\\AcVar A>%-%<\\AcVar B>%>%", "%<%<\\AcVar A>%-%<\\AcVar B>%>%"}));

// Codes start new parts even when nothing changed; merging joins them again.
TEST(Parse, RangeFormDoesNotMergeNeighbours) {
  const std::u16string content = u"ab{}cd  {}e";
  multitext text;
  parse(content.data(), content.data() + content.size(), base_format(), text, false);
  EXPECT_EQ(describe(text), "\"ab\"|\"cd\"|_2|\"e\"");
  const std::u16string spaces = u"a {} b";
  parse(spaces.data(), spaces.data() + spaces.size(), base_format(), text, false);
  EXPECT_EQ(describe(text), "\"a\"|_1|_1|\"b\"");
  merge_neighbours(text);
  EXPECT_EQ(describe(text), "\"a\"|_2|\"b\"");
}

TEST(Parse, PlainFlagKeepsCodesAsText) {
  EXPECT_EQ(describe(parsed(u"\\Labc", base_format(), true)), "\"\\Labc\"");
  multitext text;
  const std::u16string content = u"a{b}c\td";
  parse(content.data(), content.data() + content.size(), base_format(), text, true);
  EXPECT_EQ(describe(text), "\"a\"|\"b\"|\"c\td\"");
  EXPECT_EQ(describe(parsed(u"%%d\\{", base_format(), true)), "\"\u00B0{\"");
}

const format::string& format_of(const multitext& text, std::size_t index) {
  return text.parts.at(index).format;
}

TEST(Parse, CharacterCodesChangeTheFormatToTheEndOfTheGroup) {
  const multitext text = parsed(u"{\\H2x;\\W0.8;\\Q15;\\T1.5;\\C1;\\O a}b");
  const format::string& inside = format_of(text, 1);
  EXPECT_DOUBLE_EQ(inside.height, 5.0);
  EXPECT_DOUBLE_EQ(inside.style.xScale(), 0.8);
  EXPECT_NEAR(inside.style.obliquingAngle(), 15.0 * 0.017453292519943295, 1e-15);
  EXPECT_DOUBLE_EQ(inside.style.trackingPercent(), 1.5);
  EXPECT_EQ(inside.color.kind, 0u);
  EXPECT_EQ(inside.color.index, 1);
  EXPECT_TRUE(inside.style.isOverlined());
  const format::string& after = format_of(text, 2);
  EXPECT_TRUE(after == base_format());
  EXPECT_DOUBLE_EQ(after.height, 2.5);
}

TEST(Parse, RelativeCodesMultiplyTheCurrentValue) {
  const multitext text = parsed(u"\\H2;\\Q10;\\Q2x;\\W2;\\W0.5x;a");
  const format::string& f = format_of(text, 0);
  EXPECT_DOUBLE_EQ(f.height, 2.0);
  EXPECT_NEAR(f.style.obliquingAngle(), 20.0 * 0.017453292519943295, 1e-15);
  EXPECT_DOUBLE_EQ(f.style.xScale(), 1.0);
}

struct number_case {
  const char16_t* content;
  double height;
};

class ParseNumber : public ::testing::TestWithParam<number_case> {};

TEST_P(ParseNumber, ReadsHeight) {
  const multitext text = parsed(GetParam().content);
  ASSERT_FALSE(text.parts.empty());
  EXPECT_DOUBLE_EQ(text.parts.back().format.height, GetParam().height) << utf8(GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(Syntax, ParseNumber,
                         ::testing::Values(number_case{u"\\H3;a", 3.0}, number_case{u"\\H-0.5;a", -0.5},
                                           number_case{u"\\H1.25e1;a", 12.5},
                                           number_case{u"\\H25e-1;a", 2.5},
                                           number_case{u"\\H2e;a", 2.0},
                                           number_case{u"\\H;a", 0.0},
                                           number_case{u"\\H.5x;a", 1.25},
                                           number_case{u"\\H4a", 4.0}));

TEST(Parse, MinusWithoutDigitIsNotANumber) {
  // "\H" reads no digits (height 0), then "-x;" is text.
  const multitext text = parsed(u"\\H-x;");
  EXPECT_EQ(describe(text), "\"-x;\"");
  EXPECT_DOUBLE_EQ(text.parts.at(0).format.height, 0.0);
}

TEST(Parse, FontCodes) {
  const multitext text = parsed(u"{\\fArial|b1|i0|c204|p34;a}{\\Fsimple;b}{\\Fsimple.shx;c}{\\F.shx;d}");
  const OdTtfDescriptor& ttf = format_of(text, 0).style.ttfDecriptor();
  EXPECT_EQ(ttf.typeface(), OdString(u"Arial"));
  EXPECT_TRUE(ttf.isBold());
  EXPECT_FALSE(ttf.isItalic());
  EXPECT_EQ(ttf.charSet(), 204);
  EXPECT_EQ(ttf.pitchAndFamily(), 34);
  EXPECT_EQ(format_of(text, 0).style.codePage(), 1251);
  // "\Fsimple;" and "\Fsimple.shx;" name the same file, so "b" and "c" merge.
  EXPECT_EQ(describe(text), "\"a\"|\"bc\"|\"d\"");
  const format::font_in_force font = format::font_of(format_of(text, 1).style);
  EXPECT_TRUE(font.shx);
  EXPECT_EQ(font.name, OdString(u"simple.shx"));
  EXPECT_TRUE(format_of(text, 2) == base_format());
}

TEST(Parse, FontCodeResetsFlagsBeforeAttributes) {
  format::string bold = base_format();
  bold.style.setFont(u"Arial", true, true, 0, 0);
  const multitext text = parsed(u"\\fTimes;a", bold);
  const OdTtfDescriptor& ttf = format_of(text, 0).style.ttfDecriptor();
  EXPECT_EQ(ttf.typeface(), OdString(u"Times"));
  EXPECT_FALSE(ttf.isBold());
  EXPECT_FALSE(ttf.isItalic());
  EXPECT_EQ(format_of(parsed(u"\\fTimes|b1;a"), 0).style.ttfDecriptor().typeface(), OdString(u"Times"));
}

TEST(Parse, AlignCodeKeepsOnlyKnownValues) {
  EXPECT_EQ(format_of(parsed(u"\\A1;a"), 0).align, 1u);
  EXPECT_EQ(format_of(parsed(u"\\A2a"), 0).align, 2u);
  EXPECT_EQ(format_of(parsed(u"\\A7;a"), 0).align, 0u);
}

TEST(Parse, TrueColorKeepsAll32Bits) {
  const color c = format_of(parsed(u"\\c4294967295;a"), 0).color;
  EXPECT_EQ(c.kind, 1u);
  EXPECT_EQ(c.rgb, 0xFFFFFFFFu);
  EXPECT_EQ(format_of(parsed(u"\\C65537;a"), 0).color.index, 1);
}

TEST(Parse, StackRecordsTheEnclosingHeight) {
  const multitext text = parsed(u"{\\H0.7x;\\S1/2;}");
  EXPECT_NEAR(format_of(text, 0).height, 2.5, 1e-12);
}

const format::paragraph& paragraph_at(const multitext& text, std::size_t index) {
  return part_cast<new_paragraph>(text.parts.at(index)).paragraph;
}

TEST(Parse, ParagraphCodes) {
  const multitext text = parsed(u"\\pi-5,l2;a\\P\\pxt2,c4,D.6;b\\P\\pxqc,sm1.5,r1,b2,a3;c");
  EXPECT_DOUBLE_EQ(text.paragraph.left_indent, 2.0);
  EXPECT_DOUBLE_EQ(text.paragraph.first_indent, -2.0);
  EXPECT_FALSE(text.paragraph.extended);
  const format::paragraph& second = paragraph_at(text, 1);
  EXPECT_TRUE(second.extended);
  ASSERT_EQ(second.tabs.size(), 3u);
  EXPECT_EQ(second.tabs[0].kind, format::tab_left);
  EXPECT_DOUBLE_EQ(second.tabs[0].position, 2.0);
  EXPECT_EQ(second.tabs[1].kind, format::tab_center);
  EXPECT_DOUBLE_EQ(second.tabs[1].position, 4.0);
  EXPECT_EQ(second.tabs[2].kind, format::tab_decimal);
  EXPECT_EQ(second.tabs[2].decimal_char, u'.');
  EXPECT_DOUBLE_EQ(second.tabs[2].position, 6.0);
  const format::paragraph& third = paragraph_at(text, 3);
  EXPECT_EQ(third.alignment, format::alignment_center);
  EXPECT_EQ(third.line_spacing_style, format::spacing_multiple);
  EXPECT_DOUBLE_EQ(third.line_spacing, 1.5);
  EXPECT_DOUBLE_EQ(third.right_indent, 1.0);
  EXPECT_DOUBLE_EQ(third.space_before, 2.0);
  EXPECT_DOUBLE_EQ(third.space_after, 3.0);
  EXPECT_EQ(third.tabs.size(), 3u) << "a paragraph inherits the tabs of the one before";
}

TEST(Parse, ParagraphsInheritAndResetItems) {
  const multitext text = parsed(u"\\pxqr,t1,2;a\\P\\pq*,tz;b\\P\\pxs*;c");
  EXPECT_EQ(text.paragraph.alignment, format::alignment_right);
  EXPECT_EQ(paragraph_at(text, 1).alignment, format::alignment_unset);
  EXPECT_TRUE(paragraph_at(text, 1).tabs.empty());
  EXPECT_EQ(paragraph_at(text, 3).line_spacing_style, format::spacing_unset);
}

TEST(Parse, ExtendedFlagSpreadsToLaterParagraphs) {
  const multitext text = parsed(u"\\pl1;a\\Pb\\P\\pxl2;c");
  EXPECT_FALSE(text.paragraph.extended);
  EXPECT_TRUE(paragraph_at(text, 1).extended);
  EXPECT_TRUE(paragraph_at(text, 3).extended);
}

TEST(Parse, NonNumericTabStopDoesNotHang) {
  const multitext text = parsed(u"\\pi0,l0,tz;x");
  EXPECT_TRUE(text.paragraph.tabs.empty());
  EXPECT_EQ(describe(text), "\"x\"");
}

TEST(Parse, DeepNestingNeedsNoRecursion) {
  const std::u16string deep = std::u16string(200000, u'{') + u"a" + std::u16string(200000, u'}');
  EXPECT_EQ(describe(parsed(deep)), "\"a\"");
}

TEST(Parse, FieldIsMadeWithoutADatabase) {
  const multitext text = parsed(u"%<\\AcVar Filename>%");
  ASSERT_EQ(text.parts.size(), 1u);
  const auto& f = part_cast<field>(text.parts[0]);
  ASSERT_TRUE(f.field_object);
  EXPECT_EQ(f.field_object->getFieldCode(0), OdString(u"\\AcVar Filename"));
}

TEST(Parse, WrongPartKindIsABadCast) {
  multitext text = parsed(u"ab");
  EXPECT_THROW(part_cast<spaces>(text.parts[0]).count++, std::bad_cast);
}

TEST(Multitext, CopyClonesPartsAndSharesFields) {
  const multitext original = parsed(u"a%<\\AcVar Date>%");
  const OdDbField* object = part_cast<field>(original.parts[1]).field_object.get();
  const long before = object->numRefs();
  {
    const multitext copy = original;
    EXPECT_NE(&copy.parts[0], &original.parts[0]);
    EXPECT_EQ(part_cast<field>(copy.parts[1]).field_object.get(), object);
    EXPECT_EQ(object->numRefs(), before + 1);
  }
  EXPECT_EQ(object->numRefs(), before);
}

TEST(Multitext, DefaultsAndNullParts) {
  multitext text;
  EXPECT_TRUE(text.paragraph.extended);
  EXPECT_EQ(text.paragraph.alignment, 0u);
  EXPECT_EQ(text.paragraph.line_spacing_style, 0u);
  EXPECT_DOUBLE_EQ(text.paragraph.line_spacing, 1.0);
  EXPECT_TRUE(text.paragraph.tabs.empty());
  EXPECT_THROW(text.parts.push_back(nullptr), boost::bad_pointer);
}

}  // namespace
