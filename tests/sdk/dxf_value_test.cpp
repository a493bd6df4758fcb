#include <gtest/gtest.h>

#include "platform/sdk/OdDxfValue.h"
#include "tests/sdk/dxf_test_records.h"

namespace {

TEST(DxfValue, NumbersParseWithBlanksAndRefuseGarbage) {
  EXPECT_EQ(odDxfParseInt("     4"), 4);
  EXPECT_EQ(odDxfParseInt("  -1073741824"), -1073741824);
  EXPECT_EQ(odDxfParseDouble(" 1.5 "), 1.5);
  EXPECT_FALSE(odDxfParseInt("4x"));
  EXPECT_FALSE(odDxfParseDouble(""));
  EXPECT_FALSE(odDxfParseDouble("nan"));
}

// Every MTEXT of ezdxf's caret file is "L: abc^Ldef": the character after
// "abc" is the control character of the label letter.
TEST(DxfValue, CaretFileDecodesEveryControlCharacter) {
  const dxf_test_file file = dxf_test_read("ezdxf_caret_encoding.dxf");
  int checked = 0;
  for (const OdDxfTags* record : file.ofType("MTEXT")) {
    od_dxf_reader reader(*record, file.version);
    const std::optional<std::string> raw = reader.part("AcDbMText").raw(1);
    ASSERT_TRUE(raw);
    if (raw->size() != 11 || raw->compare(1, 6, ": abc^") != 0 || (*raw)[0] < '@' || (*raw)[0] > '_') continue;
    const std::u16string text = odDxfDecodeString(*raw, file.version, false).str();
    EXPECT_EQ(text, std::u16string(1, (*raw)[0]) + u": abc" + char16_t((*raw)[0] - '@') + u"def") << *raw;
    ++checked;
  }
  EXPECT_EQ(checked, 31);  // @, A..Z, [, \, ], _
  // The caret's own entry: its label is an escaped caret "^ ", its code ^^ is 0x1E.
  bool caretEntry = false;
  for (const OdDxfTags* record : file.ofType("MTEXT")) {
    const auto raw = od_dxf_reader(*record, file.version).part("AcDbMText").raw(1);
    if (raw && *raw == "^ : abc^^def") {
      EXPECT_EQ(odDxfDecodeString(*raw, file.version, false).str(), u"^: abc\x1e" u"def");
      caretEntry = true;
    }
  }
  EXPECT_TRUE(caretEntry);
}

TEST(DxfValue, CodePageAndUnicodeEscapes) {
  // 0x80 is the euro sign in Windows-1252, 0xE9 is e acute.
  EXPECT_EQ(odDxfDecodeString("\x80 caf\xE9", 1015, true).str(), u"\u20AC caf\u00E9");
  EXPECT_EQ(odDxfDecodeString("\\U+00D8 50", 1015, true).str(), u"\u00D8 50");
  EXPECT_EQ(odDxfDecodeString("\\U+00D8", 1015, false).str(), u"\\U+00D8");
  EXPECT_EQ(odDxfDecodeString("caf\xC3\xA9", 1021, true).str(), u"caf\u00E9");
  EXPECT_EQ(odDxfEncodeString(OdString(u"caf\u00E9 \u2205"), 1015), "caf\\U+00E9 \\U+2205");
  EXPECT_EQ(odDxfEncodeString(OdString(u"caf\u00E9"), 1021), "caf\xC3\xA9");
}

TEST(DxfValue, ChunksNeverCutEscapesCaretsOrCharacters) {
  // 248 letters then an escape: the escape may not start in the first chunk's last two places.
  const std::string escaped = std::string(248, 'a') + "\\U+00E9" + "tail";
  std::vector<std::string> chunks = odDxfSplitChunks(escaped);
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[0], std::string(248, 'a'));
  EXPECT_EQ(chunks[1], "\\U+00E9tail");
  // A caret pair straddling the limit moves whole into the next chunk.
  chunks = odDxfSplitChunks(std::string(249, 'b') + "^Jc");
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[1], "^Jc");
  // 250 three-byte characters fit one chunk; one more starts another.
  std::string wide;
  for (int i = 0; i < 251; ++i) wide += "\xE2\x88\x85";
  chunks = odDxfSplitChunks(wide);
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[0].size(), 750u);
  EXPECT_EQ(chunks[1], "\xE2\x88\x85");
  // Characters outside the basic plane (a surrogate pair in UTF-16) count once and stay whole.
  std::u16string faces;
  for (int i = 0; i < 251; ++i) faces += u"\U0001F600";
  chunks = odDxfSplitChunks(odDxfEncodeString(OdString(faces), 1021));
  ASSERT_EQ(chunks.size(), 2u);
  EXPECT_EQ(chunks[0].size(), 1000u);
  EXPECT_EQ(chunks[1], "\xF0\x9F\x98\x80");
}

}  // namespace
