#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <boost/property_tree/exceptions.hpp>
#include <boost/property_tree/json_parser.hpp>

#include "mtext/letters_dictionary.h"
#include "platform/host/HostParamJson.h"
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

// --- from_json ---------------------------------------------------------------

TEST(LettersDictionaryJson, KeepsDocumentOrderAndEmptyObjectsAreEmpty) {
  const auto read = letters_dictionary::from_json(
      R"({"zz": {"name": "Z", "lower": "z", "upper": "Z"},
          "aa": {"name": "A", "lower": "a", "upper": "A"}})");
  EXPECT_EQ(codes(read), (std::vector<std::u16string>{u"zz", u"aa"}));
  expect_same(read.alphabets[1], alphabet{u"aa", u"A", u"a", u"A"});
  EXPECT_TRUE(letters_dictionary::from_json("  { }\n").alphabets.empty());
}

TEST(LettersDictionaryJson, DecodesUtf8AndEscapes) {
  const auto read = letters_dictionary::from_json(
      "{\"r\\u00fcs\": {\"name\": \"Русский\", \"lower\": \"абв\", \"upper\": \"\\u0410\\u0411\\u0412\"}}");
  ASSERT_EQ(read.alphabets.size(), 1u);
  EXPECT_EQ(read.alphabets[0].code, u"rüs");
  EXPECT_EQ(read.alphabets[0].name, u"Русский");
  EXPECT_EQ(read.alphabets[0].lower, u"абв");
  EXPECT_EQ(read.alphabets[0].upper, u"АБВ");
}

class MissingMember : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingMember, FailsWithNoSuchNode) {
  const std::string json = GetParam();
  try {
    letters_dictionary::from_json(json);
    FAIL() << "no error for " << json;
  } catch (const boost::property_tree::ptree_bad_path& error) {
    EXPECT_NE(std::string(error.what()).find("No such node"), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    LettersDictionaryJson, MissingMember,
    ::testing::Values(R"({"eng": {"name": "English", "upper": "AB"}})",
                      R"({"eng": {"name": "English", "lower": "ab"}})",
                      R"({"eng": {"lower": "ab", "upper": "AB"}})",
                      // a later entry's gap fails the whole read
                      R"({"a": {"name": "A", "lower": "a", "upper": "A"}, "b": {"name": "B"}})"));

TEST(LettersDictionaryJson, SyntaxErrorsReachTheCallerUnchanged) {
  EXPECT_THROW(letters_dictionary::from_json(R"({"eng" {}})"), boost::property_tree::json_parser_error);
}

// --- from_iparam -------------------------------------------------------------

TEST(LettersDictionaryIParam, NullNodeOrNodeWithoutChildrenGivesEmptyDictionary) {
  EXPECT_TRUE(letters_dictionary::from_iparam(nullptr).alphabets.empty());
  HostParamNode node;
  node.setValue("lower", "abc");  // a value of the node itself is no alphabet
  EXPECT_TRUE(letters_dictionary::from_iparam(&node).alphabets.empty());
}

TEST(LettersDictionaryIParam, ReadsChildrenInOrderWithEmptyDefaults) {
  HostParamNode root;
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

TEST(LettersDictionaryIParam, EntryWithoutLowerThatJsonRejects) {
  const std::string json = R"({"eng": {"name": "English", "upper": "AB"}})";
  EXPECT_THROW(letters_dictionary::from_json(json), boost::property_tree::ptree_bad_path);

  std::istringstream text(json);
  const HostParamNode tree = readParamTree(text, "inline");
  const auto read = letters_dictionary::from_iparam(&tree);
  ASSERT_EQ(read.alphabets.size(), 1u);
  expect_same(read.alphabets[0], alphabet{u"eng", u"English", u"", u"AB"});
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

// The languages in order, English first as the built-in, each with the
// count of letters its alphabet lists (the Czech "ch" is two characters and
// cannot be one letter here: 42 - 1).
TEST_F(ShippedAlphabets, LanguagesInOrderWithTheirLetterCounts) {
  const std::pair<std::u16string, std::size_t> expected[] = {{u"eng", 26}, {u"rus", 33}, {u"ell", 24}, {u"deu", 30},
                                                             {u"pol", 32}, {u"ces", 41}, {u"spa", 27}, {u"swe", 29}};
  ASSERT_EQ(shipped.alphabets.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    EXPECT_EQ(shipped.alphabets[i].code, expected[i].first);
    EXPECT_EQ(shipped.alphabets[i].lower.size(), expected[i].second) << odUtf16ToUtf8(expected[i].first);
  }
  expect_same(shipped.alphabets[0], letters_dictionary::english().alphabets[0]);
}

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

TEST_F(ShippedAlphabets, ReadsTheSameThroughTheParameterTree) {
  const HostParamNode tree = loadParamTree(shipped_path());
  const auto through_tree = letters_dictionary::from_iparam(&tree);
  ASSERT_EQ(through_tree.alphabets.size(), shipped.alphabets.size());
  for (size_t i = 0; i < shipped.alphabets.size(); ++i)
    expect_same(through_tree.alphabets[i], shipped.alphabets[i]);
}

}  // namespace
