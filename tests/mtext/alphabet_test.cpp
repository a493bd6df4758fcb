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

const alphabet* find(const letters_dictionary& dictionary, std::u16string_view code) {
  for (const alphabet& a : dictionary.alphabets)
    if (a.code == code) return &a;
  return nullptr;
}

std::string shipped_path() { return std::string(CADTEXT_SOURCE_DIR) + "/data/alphabets.json"; }

std::string read_file(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// --- from_json ---------------------------------------------------------------

TEST(LettersDictionaryJson, EnglishEntryReproducesTheBuiltIn) {
  const auto read = letters_dictionary::from_json(
      R"({"eng": {"name": "English", "lower": "abcdefghijklmnopqrstuvwxyz",
                  "upper": "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}})");
  ASSERT_EQ(read.alphabets.size(), 1u);
  expect_same(read.alphabets[0], letters_dictionary::english().alphabets[0]);
}

TEST(LettersDictionaryJson, EmptyObjectGivesEmptyDictionary) {
  EXPECT_TRUE(letters_dictionary::from_json("{}").alphabets.empty());
  EXPECT_TRUE(letters_dictionary::from_json("  { }\n").alphabets.empty());
}

TEST(LettersDictionaryJson, KeepsDocumentOrder) {
  const auto read = letters_dictionary::from_json(
      R"({"zz": {"name": "Z", "lower": "z", "upper": "Z"},
          "aa": {"name": "A", "lower": "a", "upper": "A"},
          "mm": {"name": "M", "lower": "m", "upper": "M"}})");
  EXPECT_EQ(codes(read), (std::vector<std::u16string>{u"zz", u"aa", u"mm"}));
  EXPECT_EQ(read.alphabets[1].lower, u"a");
  EXPECT_EQ(read.alphabets[2].name, u"M");
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

struct syntax_case {
  const char* json;
  const char* message;
};

class SyntaxError : public ::testing::TestWithParam<syntax_case> {};

TEST_P(SyntaxError, ReachesTheCallerUnchanged) {
  try {
    letters_dictionary::from_json(GetParam().json);
    FAIL() << "no error for " << GetParam().json;
  } catch (const boost::property_tree::json_parser_error& error) {
    EXPECT_NE(error.message().find(GetParam().message), std::string::npos) << error.message();
  }
}

INSTANTIATE_TEST_SUITE_P(LettersDictionaryJson, SyntaxError,
                         ::testing::Values(syntax_case{R"({"eng" {}})", "expected ':'"},
                                           syntax_case{R"({"eng": })", "expected value"},
                                           syntax_case{"", "expected value"},
                                           syntax_case{R"({"eng": {"name": "E")", "expected"}));

// --- from_iparam -------------------------------------------------------------

TEST(LettersDictionaryIParam, NullNodeGivesEmptyDictionary) {
  EXPECT_TRUE(letters_dictionary::from_iparam(nullptr).alphabets.empty());
}

TEST(LettersDictionaryIParam, NodeWithoutChildrenGivesEmptyDictionary) {
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

TEST_F(ShippedAlphabets, LanguagesInOrder) {
  const std::vector<std::u16string> expected{u"eng", u"rus", u"ell", u"deu",
                                             u"pol", u"ces", u"spa", u"swe"};
  EXPECT_EQ(codes(shipped), expected);
}

TEST_F(ShippedAlphabets, EnglishComesFirstAsTheBuiltIn) {
  ASSERT_FALSE(shipped.alphabets.empty());
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

struct letter_count {
  const char16_t* code;
  size_t letters;
};

class ShippedLetterCount : public ShippedAlphabets,
                           public ::testing::WithParamInterface<letter_count> {};

TEST_P(ShippedLetterCount, HasTheLanguagesLetters) {
  SCOPED_TRACE(odUtf16ToUtf8(GetParam().code));
  const alphabet* a = find(shipped, GetParam().code);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->lower.size(), GetParam().letters);
}

// Counts of the letters each language lists in its alphabet (the Czech "ch"
// is two characters and cannot be one letter here: 42 - 1).
INSTANTIATE_TEST_SUITE_P(ShippedAlphabets, ShippedLetterCount,
                         ::testing::Values(letter_count{u"eng", 26}, letter_count{u"rus", 33},
                                           letter_count{u"ell", 24}, letter_count{u"deu", 30},
                                           letter_count{u"pol", 32}, letter_count{u"ces", 41},
                                           letter_count{u"spa", 27}, letter_count{u"swe", 29}));

struct letter_order {
  const char16_t* code;
  char16_t before;
  char16_t after;  // comes right after `before`
};

class ShippedLetterOrder : public ShippedAlphabets,
                           public ::testing::WithParamInterface<letter_order> {};

TEST_P(ShippedLetterOrder, FollowsTheLanguagesOrder) {
  SCOPED_TRACE(odUtf16ToUtf8(GetParam().code) + ": " +
               odUtf16ToUtf8(std::u16string{GetParam().before, GetParam().after}));
  const alphabet* a = find(shipped, GetParam().code);
  ASSERT_NE(a, nullptr);
  // Each row names letters of one case; look them up in that case's string.
  const std::u16string& letters =
      a->lower.find(GetParam().before) != std::u16string::npos ? a->lower : a->upper;
  const size_t before = letters.find(GetParam().before);
  const size_t after = letters.find(GetParam().after);
  ASSERT_NE(before, std::u16string::npos);
  ASSERT_NE(after, std::u16string::npos);
  EXPECT_EQ(after, before + 1);
}

INSTANTIATE_TEST_SUITE_P(
    ShippedAlphabets, ShippedLetterOrder,
    ::testing::Values(letter_order{u"rus", u'е', u'ё'}, letter_order{u"rus", u'ё', u'ж'},
                      letter_order{u"rus", u'Е', u'Ё'}, letter_order{u"rus", u'ь', u'э'},
                      letter_order{u"ell", u'ξ', u'ο'}, letter_order{u"ell", u'σ', u'τ'},
                      letter_order{u"ell", u'Ψ', u'Ω'}, letter_order{u"deu", u'z', u'ä'},
                      letter_order{u"deu", u'ü', u'ß'}, letter_order{u"deu", u'Ü', u'ẞ'},
                      letter_order{u"pol", u'a', u'ą'}, letter_order{u"pol", u'ł', u'm'},
                      letter_order{u"pol", u'ź', u'ż'}, letter_order{u"ces", u'c', u'č'},
                      letter_order{u"ces", u'u', u'ú'}, letter_order{u"ces", u'ú', u'ů'},
                      letter_order{u"ces", u'R', u'Ř'}, letter_order{u"spa", u'n', u'ñ'},
                      letter_order{u"spa", u'Ñ', u'O'}, letter_order{u"swe", u'z', u'å'},
                      letter_order{u"swe", u'å', u'ä'}, letter_order{u"swe", u'Ä', u'Ö'}));

TEST_F(ShippedAlphabets, GreekHasNoFinalSigma) {
  const alphabet* greek = find(shipped, u"ell");
  ASSERT_NE(greek, nullptr);
  EXPECT_EQ(greek->lower.find(u'ς'), std::u16string::npos);
  EXPECT_EQ(greek->lower.front(), u'α');
  EXPECT_EQ(greek->lower.back(), u'ω');
}

TEST_F(ShippedAlphabets, ReadsTheSameThroughTheParameterTree) {
  const HostParamNode tree = loadParamTree(shipped_path());
  const auto through_tree = letters_dictionary::from_iparam(&tree);
  ASSERT_EQ(through_tree.alphabets.size(), shipped.alphabets.size());
  for (size_t i = 0; i < shipped.alphabets.size(); ++i)
    expect_same(through_tree.alphabets[i], shipped.alphabets[i]);
}

}  // namespace
