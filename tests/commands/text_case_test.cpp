// Letter case conversion: the five modes, letters beyond ASCII, and MText
// contents whose codes, fields and stacks must stay byte for byte.
#include <gtest/gtest.h>

#include "commands/text_case.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"

namespace {

using namespace text_case;

std::string utf8(const std::u16string& s) { return OdString(s).toUtf8(); }

struct case_row {
  int mode;
  const char16_t* in;
  const char16_t* out;
};

class TextCase : public ::testing::TestWithParam<case_row> {};

TEST_P(TextCase, ConvertsAString) {
  const case_row& r = GetParam();
  EXPECT_EQ(utf8(convert_text(r.in, r.mode)), utf8(r.out)) << "mode " << r.mode << " on " << utf8(r.in);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TextCase,
    ::testing::Values(
        // Two sentences written in inverted case: only each sentence's first letter is capital.
        case_row{sentence, u"tHE FIRST. sECOND ONE! wHY? yES", u"The first. Second one! Why? Yes"},
        case_row{sentence, u"1. item", u"1. Item"},
        case_row{lower, u"MiXeD 42 Ünïcödé", u"mixed 42 ünïcödé"},
        case_row{upper, u"straße déjà vu", u"STRAßE DÉJÀ VU"},
        // Any non-letter sets the flag: after blanks, apostrophes and hyphens.
        case_row{title, u"o'neil's well-known text", u"O'Neil'S Well-Known Text"},
        case_row{title, u"ALL CAPS words", u"All Caps Words"},
        case_row{toggle, u"Hello World 1", u"hELLO wORLD 1"},
        // Cyrillic, Greek and accented Latin through the locale's mapping.
        case_row{upper, u"привет мир", u"ПРИВЕТ МИР"},
        case_row{lower, u"ΑΛΦΑ ΒΗΤΑ", u"αλφα βητα"},
        case_row{title, u"élan ñandú", u"Élan Ñandú"},
        case_row{toggle, u"Ωmega çA", u"ωMEGA Ça"},
        // A Text's control codes keep their letters; a symbol is a non-letter.
        case_row{upper, u"45%%d angle %%uline%%U %%c", u"45%%d ANGLE %%uLINE%%U %%c"},
        case_row{title, u"ab%%ucd %%d%%176x", u"Ab%%ucd %%d%%176X"},
        // A letter outside the basic plane keeps its surrogate pair.
        case_row{upper, u"a\U00010428b", u"A\U00010400B"}));

// ---- MText contents -------------------------------------------------------

mtext::format::string base_format() {
  mtext::format::string f;
  f.height = 2.5;
  f.style.setTextSize(2.5);
  return f;
}

// The non-letter characters of two strings are the same and in the same places.
void expect_same_outside_letters(const std::u16string& before, const std::u16string& after, const std::string& what) {
  ASSERT_EQ(before.size(), after.size()) << what;
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (!is_letter(before[i])) {
      EXPECT_EQ(before[i], after[i]) << what << " at " << i;
    }
  }
}

struct mtext_row {
  int mode;
  const char16_t* in;
  const char16_t* out;
};

class MTextCase : public ::testing::TestWithParam<mtext_row> {};

TEST_P(MTextCase, ChangesOnlyTheLettersOfTextParts) {
  const mtext_row& r = GetParam();
  const std::u16string out = convert_mtext_contents(r.in, r.mode, base_format());
  EXPECT_EQ(utf8(out), utf8(r.out)) << "mode " << r.mode;
  expect_same_outside_letters(r.in, out, utf8(r.in));
}

INSTANTIATE_TEST_SUITE_P(
    Contents, MTextCase,
    ::testing::Values(
        // The font code's name and flags stay, the grouped text changes.
        mtext_row{upper, u"ab {\\fArial|b1|i0|c0|p34;cd} ef", u"AB {\\fArial|b1|i0|c0|p34;CD} EF"},
        mtext_row{lower, u"{\\H2x;\\C1;BIG} \\LUNDER\\l", u"{\\H2x;\\C1;big} \\Lunder\\l"},
        // Stacks and fields are copied as they are.
        mtext_row{upper, u"x \\Sab/cd; %<\\AcVar Date \\f \"M/d/yyyy\">% y", u"X \\Sab/cd; %<\\AcVar Date \\f \"M/d/yyyy\">% Y"},
        // One state runs over the whole text: a word split by codes is one word.
        mtext_row{title, u"hel{\\Llo} wor\\Pld", u"Hel{\\Llo} Wor\\PLd"},
        mtext_row{sentence, u"ONE. {\\W1.5;TWO} three\\PFOUR", u"One. {\\W1.5;Two} three\\Pfour"},
        // Escapes and symbols are not letters; "%%d" keeps its letter.
        mtext_row{upper, u"90%%d a\\{b\\}c\\\\d", u"90%%d A\\{B\\}C\\\\D"},
        mtext_row{toggle, u"\\pxi1,l2,t4;Tab\there", u"\\pxi1,l2,t4;tAB\tHERE"},
        mtext_row{upper, u"\\A1;\\Q15;\\T1.2;\\c255;\\Fromans|c0;grüße", u"\\A1;\\Q15;\\T1.2;\\c255;\\Fromans|c0;GRÜßE"}));

TEST(MTextCaseFallback, AnEscapedLetterIsWrittenBackThroughTheModel) {
  // "\U+0061" is the letter a: it cannot change where it stands, so the
  // contents are parsed, converted and written back.
  const std::u16string in = u"\\U+0061b";
  const std::u16string out = convert_mtext_contents(in, upper, base_format());
  mtext::multitext model;
  mtext::parse(out.c_str(), base_format(), model, false);
  EXPECT_EQ(utf8(mtext::serialize_raw(model, false)), "AB");
}

TEST(MTextCaseModel, AgreesWithTheInPlaceResult) {
  // The model-level conversion of the parsed contents reads the same as the
  // in-place result parsed again.
  const std::u16string in = u"abc {\\fArial|b0|i0|c0|p0;de f}\\Pgh \\S1/2; ij";
  for (int mode = 0; mode < mode_count; ++mode) {
    mtext::multitext model;
    mtext::parse(in.c_str(), base_format(), model, false);
    state s(mode);
    convert_model(model, s);
    mtext::multitext again;
    const std::u16string out = convert_mtext_contents(in, mode, base_format());
    mtext::parse(out.c_str(), base_format(), again, false);
    EXPECT_EQ(utf8(mtext::serialize(again, base_format(), 1.0)), utf8(mtext::serialize(model, base_format(), 1.0)))
        << mode;
  }
}

}  // namespace
