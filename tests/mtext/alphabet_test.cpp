#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <boost/property_tree/exceptions.hpp>

#include "mtext/letters_dictionary.h"
#include "platform/host/HostParamNode.h"
#include "platform/sdk/OdString.h"

namespace {

using namespace mtext::marks;

std::vector<std::u16string> codes(const letters_dictionary& dictionary) {
  std::vector<std::u16string> out;
  for (const alphabet& a : dictionary.alphabets) out.push_back(a.code);
  return out;
}

void expect_same(const alphabet& a, const alphabet& b) {
  EXPECT_EQ(a.code, b.code);
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.lower, b.lower);
  EXPECT_EQ(a.upper, b.upper);
}

std::string shipped_path() { return std::string(CADTEXT_SOURCE_DIR) + "/data/alphabets.json"; }

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(LettersDictionaryJson, KeepsDocumentOrderAndDecodesUtf8AndEscapes) {
  const auto read = letters_dictionary::from_json(
      "{\"zz\": {\"name\": \"Z\", \"lower\": \"z\", \"upper\": \"Z\"},"
      " \"r\\u00fcs\": {\"name\": \"Русский\", \"lower\": \"абв\", \"upper\": \"\\u0410\\u0411\\u0412\"}}");
  EXPECT_EQ(codes(read), (std::vector<std::u16string>{u"zz", u"rüs"}));
  expect_same(read.alphabets[1], alphabet{u"rüs", u"Русский", u"абв", u"АБВ"});
  EXPECT_TRUE(letters_dictionary::from_json("  { }\n").alphabets.empty());
}

// A later entry's gap fails the whole read with the tree's own error.
TEST(LettersDictionaryJson, AMissingMemberFailsWithNoSuchNode) {
  try {
    letters_dictionary::from_json(R"({"a": {"name": "A", "lower": "a", "upper": "A"}, "b": {"name": "B", "upper": "B"}})");
    FAIL() << "no error";
  } catch (const boost::property_tree::ptree_bad_path& error) {
    EXPECT_NE(std::string(error.what()).find("No such node"), std::string::npos) << error.what();
  }
}

// --- from_iparam -------------------------------------------------------------

// Unlike JSON, a tree entry without a member reads it as empty.
TEST(LettersDictionaryIParam, ReadsChildrenInOrderWithEmptyDefaults) {
  EXPECT_TRUE(letters_dictionary::from_iparam(nullptr).alphabets.empty());
  HostParamNode root;
  root.setValue("lower", "abc");  // a value of the node itself is no alphabet
  HostParamNode& greek = root.addChild("ell");
  greek.setValue("name", "Greek");
  greek.setValue("lower", "αβγ");
  greek.setValue("upper", "ΑΒΓ");
  HostParamNode& partial = root.addChild("abc");
  partial.setValue("name", "No lower case");
  partial.setValue("upper", "ABC");
  root.addChild("bare");

  const auto read = letters_dictionary::from_iparam(&root);
  ASSERT_EQ(codes(read), (std::vector<std::u16string>{u"ell", u"abc", u"bare"}));
  expect_same(read.alphabets[0], alphabet{u"ell", u"Greek", u"αβγ", u"ΑΒΓ"});
  expect_same(read.alphabets[1], alphabet{u"abc", u"No lower case", u"", u"ABC"});
  expect_same(read.alphabets[2], alphabet{u"bare", u"", u"", u""});
}

// --- the shipped file ----------------------------------------------------------

class ShippedAlphabets : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    const std::string text = read_file(shipped_path());
    ASSERT_FALSE(text.empty()) << "cannot read " << shipped_path();
    shipped = letters_dictionary::from_json(text);
  }
  static letters_dictionary shipped;
};

letters_dictionary ShippedAlphabets::shipped;

TEST_F(ShippedAlphabets, EveryAlphabetIsWellFormed) {
  for (const alphabet& a : shipped.alphabets) {
    SCOPED_TRACE(odUtf16ToUtf8(a.code));
    EXPECT_FALSE(a.name.empty());
    EXPECT_FALSE(a.lower.empty());
    EXPECT_EQ(a.lower.size(), a.upper.size());
    const std::set<char16_t> lower(a.lower.begin(), a.lower.end());
    const std::set<char16_t> upper(a.upper.begin(), a.upper.end());
    EXPECT_EQ(lower.size(), a.lower.size()) << "a lower-case letter repeats";
    EXPECT_EQ(upper.size(), a.upper.size()) << "an upper-case letter repeats";
    for (char16_t c : a.lower) EXPECT_EQ(upper.count(c), 0u) << "letter in both cases: " << int(c);
    for (char16_t c : a.lower + a.upper) EXPECT_NE(c, u'\uFFFD') << "malformed UTF-8";
  }
}

}  // namespace
