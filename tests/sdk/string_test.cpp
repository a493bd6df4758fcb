#include <gtest/gtest.h>

#include "platform/sdk/OdString.h"

namespace {

TEST(OdString, Utf8RoundTripKeepsAstralCharacters) {
  const std::string text = "D\xC3\xA9j\xC3\xA0 \xE2\x88\x85 \xF0\x9F\x98\x80";  // "Déjà ∅ 😀"
  const OdString wide = OdString::fromUtf8(text);
  EXPECT_EQ(wide.getLength(), 9);  // the emoji is a surrogate pair
  EXPECT_EQ(wide[7], 0xD83D);
  EXPECT_EQ(wide.toUtf8(), text);
}

TEST(OdString, MalformedUtf8IsRefusedOrReplaced) {
  const std::string bad[] = {"\xC3", "a\x80z", "\xED\xA0\x80", "\xC0\xAF", "\xF4\x90\x80\x80"};
  for (const std::string& text : bad) {
    EXPECT_FALSE(OdString::tryFromUtf8(text).has_value()) << text;
    EXPECT_NE(OdString::fromUtf8(text).find(u'\xFFFD'), -1) << text;
  }
}

TEST(OdString, UnpairedSurrogateBecomesReplacementInUtf8) {
  const OdString lone(std::u16string(u"a\xD800z"));
  EXPECT_EQ(lone.toUtf8(), "a\xEF\xBF\xBDz");
}

TEST(OdString, SubstringsClampAtTheEnds) {
  const OdString s(u"abcdef");
  EXPECT_EQ(s.mid(2, 2), OdString(u"cd"));
  EXPECT_EQ(s.mid(4, 10), OdString(u"ef"));
  EXPECT_EQ(s.mid(10), OdString());
  EXPECT_EQ(s.right(2), OdString(u"ef"));
  EXPECT_EQ(s.find(u'z'), -1);
  EXPECT_EQ(s.find(OdString(u"cd")), 2);
}

TEST(OdString, CaseAndReplace) {
  OdString s(u"Stra\u00DFe \u00E9t\u00E9");
  EXPECT_EQ(OdString(s).makeUpper(), OdString(u"STRA\u00DFE \u00C9T\u00C9"));
  EXPECT_EQ(OdString(u"ABC").iCompare(OdString(u"abc")), 0);
  OdString r(u"a-b-c");
  EXPECT_EQ(r.replace(u"-", u"--"), 2);
  EXPECT_EQ(r, OdString(u"a--b--c"));
}

}  // namespace
