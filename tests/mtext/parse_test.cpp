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

// The plain text codes make is checked against an independent reader over
// the real contents of the corpus (corpus_test.cpp); here what it cannot show.
INSTANTIATE_TEST_SUITE_P(
    Codes, ParseStructure,
    ::testing::Values(
        structure_case{u"a  b", "\"a\"|_2|\"b\""},
        structure_case{u"x\\S1/2;y", "\"x\"|[1/2]|\"y\""},
        structure_case{u"\\S1#2;", "[1#2]"},
        structure_case{u"\\S\\/x/y;", "[/x/y]"},
        structure_case{u"\\S1/2\\", "[1/2\\]"},  // a backslash at the very end stays
        // An escaped space is an ordinary space; only "\\~" and U+00A0 hold a word together.
        structure_case{u"a\\U+0020\\u+0020b\\U+00A0c", "\"a\"|_2|\"b\u00A0c\""},
        structure_case{u"a\\~b c", "\"a b\"|_1|\"c\""},
        structure_case{u"\\H-x;", "\"-x;\""},  // "\H" reads no digits, so "-x;" is text
        structure_case{u"%<\\AcVar Date>%", "%<\\AcVar Date>%"},
        structure_case{u"a%<\\AcExpr (%<\\AcVar X>%+1)>%b", "\"a\"|%<\\AcExpr (%<\\AcVar X>%+1)>%|\"b\""},
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

// What character and paragraph codes set is checked where it shows: the
// layout, the writer, the ruler and the real contents of the corpus.
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

TEST(Parse, NonNumericTabStopDoesNotHang) {
  const multitext text = parsed(u"\\pi0,l0,tz;x");
  EXPECT_TRUE(text.paragraph.tabs.empty());
  EXPECT_EQ(describe(text), "\"x\"");
}

TEST(Parse, DeepNestingNeedsNoRecursion) {
  const std::u16string deep = std::u16string(200000, u'{') + u"a" + std::u16string(200000, u'}');
  EXPECT_EQ(describe(parsed(deep)), "\"a\"");
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

}  // namespace
