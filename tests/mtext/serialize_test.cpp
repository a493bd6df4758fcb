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

struct roundtrip_case {
  const char16_t* content;
  const char* written;
};

class SerializeParsed : public ::testing::TestWithParam<roundtrip_case> {};

TEST_P(SerializeParsed, WritesExactly) {
  EXPECT_EQ(roundtrip(GetParam().content), GetParam().written) << utf8(GetParam().content);
}

// The writer's output as other programs read it back; what every real
// content of the corpus writes is checked to settle (corpus_test.cpp).
INSTANTIATE_TEST_SUITE_P(
    Differences, SerializeParsed,
    ::testing::Values(
        roundtrip_case{u"{\\H5;ab}c", "\\pxi0,l0,r0,b0,a0;{\\H2x;ab}c"},
        // Back to the base font while still underlined: "}{" and codes against the base.
        roundtrip_case{u"{\\fTimes|b0|i0|c0|p0;\\La}{\\Lb}",
                       "\\pxi0,l0,r0,b0,a0;{\\fTimes|b0|i0|c0|p0;\\La}{\\Lb}"},
        // The reader adds ".shx" only to a name without it, so such names go whole.
        roundtrip_case{u"{\\F.shx.shx;x{\\Fa.shx.shx;y}}",
                       "\\pxi0,l0,r0,b0,a0;{\\F.shx.shx|c0;x\\Fa.shx.shx|c0;y}"},
        // No number says infinity.
        roundtrip_case{u"{\\H1e999;\\W1e999;\\Q1e999;\\T1e999;\\Lx}", "\\pxi0,l0,r0,b0,a0;{\\Lx}"},
        // Characters the reader would take for something else are written as "\\U+": a
        // letter after a literal "%%", a zero, a line feed.
        roundtrip_case{u"%%{c}%{%P}", "\\pxi0,l0,r0,b0,a0;%%\\U+0063%%\\U+0050"},
        roundtrip_case{u"a\\U+0000b\\U+000Ac", "\\pxi0,l0,r0,b0,a0;a\\U+0000b\\U+000Ac"},
        // What would end a stack text, or (above the line) its separator, is escaped.
        roundtrip_case{u"{\\H0.7x;\\S\\/\\^\\#^a/b\\;c;}", "\\A1;\\pxi0,l0,r0,b0,a0;{\\H0.7x;\\S\\/\\^\\#^a/b\\;c;}"}));

// Regression: a height code written inside the stack group ended with it, and
// every round shrank the text after the second stack.
TEST(Serialize, StackInAnotherFormatClosesTheStackGroupFirst) {
  const std::u16string once = serialize(parsed(u"\\S1/2;\\H12;\\S1^2;x"), base_format(), 1.0);
  EXPECT_EQ(utf8(once),
            "\\A1;\\pxi0,l0,r0,b0,a0;{\\H1.42857x;{\\H0.7x;\\S1/2;}\\H4.8x;{\\H0.7x;\\S1^2;}\\H0.7x;x}");
  const multitext back = parsed(once);
  EXPECT_NEAR(back.parts.back().format.height, 12.0, 1e-4);
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
