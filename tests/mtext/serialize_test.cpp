#include <gtest/gtest.h>

#include "describe.h"
#include "mtext/escape.h"
#include "mtext/serialize.h"

namespace {

using namespace mtext;
using namespace mtext_test;

std::string written(const multitext& text, const format::string& base = base_format(), double scale = 1.0) {
  return utf8(serialize(text, base, scale));
}

std::string roundtrip(const std::u16string& content) { return written(parsed(content)); }

TEST(Serialize, EmptyTextIsTheFirstParagraphCode) {
  EXPECT_EQ(written(multitext()), "\\pxi0,l0,r0,b0,a0;");
}

struct roundtrip_case {
  const char16_t* content;
  const char* written;
};

class SerializeParsed : public ::testing::TestWithParam<roundtrip_case> {};

TEST_P(SerializeParsed, WritesExactly) {
  EXPECT_EQ(roundtrip(GetParam().content), GetParam().written) << utf8(GetParam().content);
}

INSTANTIATE_TEST_SUITE_P(
    Differences, SerializeParsed,
    ::testing::Values(
        roundtrip_case{u"ab", "\\pxi0,l0,r0,b0,a0;ab"},
        roundtrip_case{u"{\\Lab}", "\\pxi0,l0,r0,b0,a0;{\\Lab}"},
        roundtrip_case{u"{\\H5;ab}c", "\\pxi0,l0,r0,b0,a0;{\\H2x;ab}c"},
        roundtrip_case{u"a  b", "\\pxi0,l0,r0,b0,a0;a  b"},
        // Same group, one more code: only the new font is written.
        roundtrip_case{u"{\\La{\\fTimes|b0|i0|c0|p0;b}}",
                       "\\pxi0,l0,r0,b0,a0;{\\La\\fTimes|b0|i0|c0|p0;b}"},
        // Back to the base font while still underlined: "}{" and codes against the base.
        roundtrip_case{u"{\\fTimes|b0|i0|c0|p0;\\La}{\\Lb}",
                       "\\pxi0,l0,r0,b0,a0;{\\fTimes|b0|i0|c0|p0;\\La}{\\Lb}"},
        roundtrip_case{u"{\\fArial|b1|i0|c0|p34;x}", "\\pxi0,l0,r0,b0,a0;{\\fArial|b1|i0|c0|p34;x}"},
        roundtrip_case{u"{\\Fromans;x}", "\\pxi0,l0,r0,b0,a0;{\\Fromans|c0;x}"},
        // The reader adds ".shx" only to a name without it, so such names go whole.
        roundtrip_case{u"{\\F.shx.shx;x{\\Fa.shx.shx;y}}",
                       "\\pxi0,l0,r0,b0,a0;{\\F.shx.shx|c0;x\\Fa.shx.shx|c0;y}"},
        roundtrip_case{u"{\\C1;r}{\\c255;b}", "\\pxi0,l0,r0,b0,a0;{\\C1;r\\c255;b}"},
        roundtrip_case{u"{\\W0.8;\\Q15;\\T1.2;x}", "\\pxi0,l0,r0,b0,a0;{\\W0.8;\\Q15;\\T1.2;x}"},
        roundtrip_case{u"{\\O\\H0.333333333x;x}", "\\pxi0,l0,r0,b0,a0;{\\H0.333333x;\\Ox}"},
        // No factor leads on from a zero height, and no number says infinity.
        roundtrip_case{u"{\\H0;a{\\H5;b}}", "\\pxi0,l0,r0,b0,a0;{\\H0x;a\\H5;b}"},
        roundtrip_case{u"{\\H1e999;\\W1e999;\\Q1e999;\\T1e999;\\Lx}", "\\pxi0,l0,r0,b0,a0;{\\Lx}"},
        // Alignment takes no part in format equality: alone it writes nothing.
        roundtrip_case{u"{\\A2;x}", "\\pxi0,l0,r0,b0,a0;x"},
        roundtrip_case{u"{\\A2;\\Lx}", "\\pxi0,l0,r0,b0,a0;{\\L\\A2;x}"},
        roundtrip_case{u"a\\{b\\}\\\\c%%d%%p%%c", "\\pxi0,l0,r0,b0,a0;a\\{b\\}\\\\c%%d%%p%%c"},
        roundtrip_case{u"a\\~b", "\\pxi0,l0,r0,b0,a0;a\\~b"},
        // Characters the reader would take for something else are written as "\\U+": a
        // letter after a literal "%%", a "<" after a literal "%", a zero, a line feed.
        roundtrip_case{u"%%{c}%{%P}", "\\pxi0,l0,r0,b0,a0;%%\\U+0063%%\\U+0050"},
        roundtrip_case{u"%{<}a>%", "\\pxi0,l0,r0,b0,a0;%\\U+003Ca>%"},
        roundtrip_case{u"a\\U+0000b\\U+000Ac", "\\pxi0,l0,r0,b0,a0;a\\U+0000b\\U+000Ac"},
        roundtrip_case{u"a\tb\nc", "\\pxi0,l0,r0,b0,a0;a\tb\nc"},
        roundtrip_case{u"x%<\\AcVar Date>%", "\\pxi0,l0,r0,b0,a0;x%<\\AcVar Date>%"}));

INSTANTIATE_TEST_SUITE_P(
    Paragraphs, SerializeParsed,
    ::testing::Values(
        roundtrip_case{u"a\\Pb", "\\pxi0,l0,r0,b0,a0;a\\Pb"},
        roundtrip_case{u"a\\Nb", "\\pxi0,l0,r0,b0,a0;a\\Nb"},
        roundtrip_case{u"\\pxi-1,l1,qc,sm1.5,t4,c2,D,6;a",
                       "\\pxi-1,l1,r0,b0,a0qcsm1.5,tc2,4,D,6;a"},
        roundtrip_case{u"a\\P\\pxqr;b\\P\\pxq*;c", "\\pxi0,l0,r0,b0,a0;a\\P\\pqr;b\\P\\pq*;c"},
        roundtrip_case{u"a\\P\\pxl2,t3;b", "\\pxi0,l0,r0,b0,a0;a\\P\\pl2,t3;b"},
        roundtrip_case{u"\\pxt1;a\\P\\pxt1,2.5;b\\P\\pxtz;c",
                       "\\pxi0,l0,r0,b0,a0,t1;a\\P\\pt1,2.5;b\\P\\ptz;c"},
        roundtrip_case{u"a\\P\\pxsa1.25;b", "\\pxi0,l0,r0,b0,a0;a\\P\\psa1.25;b"},
        roundtrip_case{u"\\pxi0.333333333;a", "\\pxi0.33333,l0,r0,b0,a0;a"}));

INSTANTIATE_TEST_SUITE_P(
    Stacks, SerializeParsed,
    ::testing::Values(
        roundtrip_case{u"{\\H0.7x;\\S1/2;}", "\\A1;\\pxi0,l0,r0,b0,a0;{\\H0.7x;\\S1/2;}"},
        roundtrip_case{u"2{\\H0.7x;\\S1#2;\\S3^4;}x",
                       "\\A1;\\pxi0,l0,r0,b0,a0;2{\\H0.7x;\\S1#2;\\S3^4;}x"},
        // What would end a stack text, or (above the line) its separator, is escaped.
        roundtrip_case{u"{\\H0.7x;\\S1\\;/2;}", "\\A1;\\pxi0,l0,r0,b0,a0;{\\H0.7x;\\S1\\;/2;}"},
        roundtrip_case{u"{\\H0.7x;\\S\\\\1/\\\\2;}", "\\A1;\\pxi0,l0,r0,b0,a0;{\\H0.7x;\\S\\\\1/\\\\2;}"},
        roundtrip_case{u"{\\H0.7x;\\S\\/\\^\\#^a/b\\;c;}",
                       "\\A1;\\pxi0,l0,r0,b0,a0;{\\H0.7x;\\S\\/\\^\\#^a/b\\;c;}"},
        // An explicit alignment code replaces the "\\A1;" put in front for stacks.
        roundtrip_case{u"{\\C1;\\A2;{\\H0.7x;\\S1/2;}}",
                       "\\pxi0,l0,r0,b0,a0;{\\C1;\\A2;{\\H0.7x;\\S1/2;}}"}));

// Regression: a height code written inside the stack group ended with it, and
// every round shrank the text after the second stack.
TEST(Serialize, StackInAnotherFormatClosesTheStackGroupFirst) {
  const std::u16string once = serialize(parsed(u"\\S1/2;\\H12;\\S1^2;x"), base_format(), 1.0);
  EXPECT_EQ(utf8(once),
            "\\A1;\\pxi0,l0,r0,b0,a0;{\\H1.42857x;{\\H0.7x;\\S1/2;}\\H4.8x;{\\H0.7x;\\S1^2;}\\H0.7x;x}");
  const multitext back = parsed(once);
  EXPECT_NEAR(back.parts.back().format.height, 12.0, 1e-4);
}

TEST(Serialize, StackInTheBaseFormatOpensOnlyTheStackGroup) {
  multitext text;
  text.parts.push_back(new stack(base_format(), u"1", u"2", stack_slash));
  EXPECT_EQ(written(text), "\\A1;\\pxi0,l0,r0,b0,a0;{\\H0.7x;\\S1/2;}");
}

TEST(Serialize, ShapeFileWithoutExtensionKeepsItsName) {
  format::string f = base_format();
  format::set_shape_file(f.style, OdString(u"romans"));
  multitext text;
  text.parts.push_back(new string(f, u"x"));
  EXPECT_EQ(written(text), "\\pxi0,l0,r0,b0,a0;{\\Fromans|c0;x}");
}

TEST(Serialize, NonExtendedLengthsAreDividedByTheScale) {
  multitext text;
  text.paragraph.extended = false;
  text.paragraph.left_indent = 10.0;
  EXPECT_EQ(written(text, base_format(), 2.5), "\\pxi0,l4,r0,b0,a0;");
}

TEST(Serialize, NumbersUseGeneralNotation) {
  multitext text;
  text.paragraph.first_indent = 1234567.0;
  text.paragraph.left_indent = 0.000012345678;
  text.paragraph.right_indent = -2.5;
  // The reader takes no "+", not even in an exponent.
  EXPECT_EQ(written(text), "\\pxi1.2346e06,l1.2346e-05,r-2.5,b0,a0;");
}

TEST(Serialize, PerPartFormCanLeaveTheGroupOpen) {
  const multitext text = parsed(u"{\\Lab}");
  std::u16string out;
  format::string running = base_format();
  format::paragraph paragraph = text.paragraph;
  serialize_state state;
  bool px_written = true;
  for (const part& p : text.parts)
    serialize(out, 1.0, paragraph, base_format(), running, state, p, px_written, true);
  state.keep_group_open = true;
  serialize(out, state);
  EXPECT_EQ(utf8(out), "{\\Lab");
}

TEST(Serialize, WritingTwiceChangesNothing) {
  const char16_t* contents[] = {
      u"\\A1;Das ist eine MText\\PZeile mit {\\LFormat}ierung\\P\\pi-7.5,l7.5,t7.5;1.\tA\\P\\pi0,l0,tz;"
      u"\\P{\\H0.7x;\\S1/2500;}  ein Bruch",
      u"{\\fArial|b1|i1|c0|p34;\\H1.5x;big {\\C3;green \\Lunder}}\\Pnext",
      u"\\Fsimplex.shx,gbcbig.shx;\\W1.0000000000;\\T1.0000000000;\\o\\l\u623F\u95F4",
      u"7'-0{\\H1.000000x;\\S3#4;}\"", u"\\S+0,8^+0,1;"};
  for (const char16_t* content : contents) {
    const std::u16string once = serialize(parsed(content), base_format(), 1.0);
    const std::u16string twice = serialize(parsed(once), base_format(), 1.0);
    EXPECT_EQ(utf8(twice), utf8(once)) << utf8(content);
  }
}

TEST(SerializeRaw, WritesPlainParts) {
  const multitext text = parsed(u"a\\~b c\\Pd\tx\\S1^2;%<\\AcVar Date>%");
  EXPECT_EQ(utf8(serialize_raw(text, false)), "a b c\r\nd\tx1^2%<\\AcVar Date>%");
  EXPECT_EQ(utf8(serialize_raw(text, true)), "a\\~b c\r\nd\tx1^2%<\\AcVar Date>%");
}

TEST(Escape, EscapeMtext) {
  EXPECT_EQ(utf8(escape_mtext(u"a{\r\nb", true)), "a\\{\\Pb");
  EXPECT_EQ(utf8(escape_mtext(u"a{\r\nb", false)), "a\\{b");
  EXPECT_EQ(utf8(escape_mtext(u"\\}", false)), "\\\\\\}");
}

TEST(Escape, DeEscapeAndUnformat) {
  EXPECT_EQ(utf8(deEscapeMtextContent(u"a\\Pb\\S1/2;")), "a b");
  EXPECT_EQ(utf8(deEscapeMtextContent(u"{\\H2;x}\ty%%d")), "x y\u00B0");
  EXPECT_EQ(utf8(unformat_mtext(u"{\\Lab}\\Pc")), "ab\r\nc");
  EXPECT_EQ(UnformatMText(u"x\\S1#2;").toUtf8(), "x1#2");
  // Escaping and unformatting undo each other on plain text.
  const char16_t* plain = u"50% of {a} \\ b";
  EXPECT_EQ(utf8(unformat_mtext(escape_mtext(plain, false).c_str())), utf8(plain));
}

}  // namespace
