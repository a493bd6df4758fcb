#include <gtest/gtest.h>

#include "platform/sdk/OdString.h"

namespace {

TEST(OdString, Utf8RoundTripKeepsAstralCharacters) {
  const std::string text = "D\xC3\xA9j\xC3\xA0 \xE2\x88\x85 \xF0\x9F\x98\x80";  // "Déjà ∅ 😀"
  const OdString wide = OdString::fromUtf8(text);
  EXPECT_EQ(wide.getLength(), 9);  // the emoji is a surrogate pair
  EXPECT_EQ(wide[7], 0xD83D);
  EXPECT_EQ(wide.toUtf8(), text);
  EXPECT_EQ(OdString(std::u16string(u"a\xD800z")).toUtf8(), "a\xEF\xBF\xBDz") << "an unpaired surrogate";
}

TEST(OdString, MalformedUtf8IsRefusedOrReplaced) {
  const std::string bad[] = {"\xC3", "a\x80z", "\xED\xA0\x80", "\xC0\xAF", "\xF4\x90\x80\x80"};
  for (const std::string& text : bad) {
    EXPECT_FALSE(OdString::tryFromUtf8(text).has_value()) << text;
    EXPECT_NE(OdString::fromUtf8(text).find(u'\xFFFD'), -1) << text;
  }
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

}  // namespace
