#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "describe.h"
#include "mtext/layout.h"
#include "mtext/lists.h"
#include "mtext/serialize.h"
#include "test_finder.h"

namespace {

using namespace mtext;
using mtext_test::fixed_finder;

const marks::letters_dictionary& english() {
  static const marks::letters_dictionary d{
      {{u"eng", u"English", u"abcdefghijklmnopqrstuvwxyz", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"}}};
  return d;
}

geom_multitext laid_out(const std::u16string& content) {
  geom_multitext text;
  text.info.text_height = 1.0;
  to_geom(text, mtext_test::parsed(content, mtext_test::base_format(1.0)), 1.0, fixed_finder());
  return text;
}

std::vector<marks::numbering*> items(geom_multitext& text) {
  std::vector<marks::numbering*> found;
  for (marks::mark& m : text.marks)
    if (auto* item = dynamic_cast<marks::numbering*>(&m)) found.push_back(item);
  return found;
}

// "12.3." style text of an item's indices.
std::string written(const marks::numbering& item, const marks::letters_dictionary& d = english()) {
  std::u16string out;
  for (const auto& index : item.indices) out += prefix_text(index, d);
  return mtext_test::utf8(out);
}

struct recognition_case {
  const char16_t* content;
  const char* prefix;  // "" when no item
};

class Recognition : public ::testing::TestWithParam<recognition_case> {};

TEST_P(Recognition, ReadsPrefixes) {
  geom_multitext text = laid_out(GetParam().content);
  auto at = text.parts.cbegin();
  const auto item = parse_numbering(text, english(), at, text.parts.cend());
  EXPECT_EQ(item ? written(*item) : "", GetParam().prefix) << mtext_test::utf8(GetParam().content);
  if (item) {
    EXPECT_EQ(item->end, static_cast<position>(at - text.parts.cbegin()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Recognition,
    ::testing::Values(recognition_case{u"1.\titem", "1."}, recognition_case{u"12.3.\titem", "12.3."},
                      recognition_case{u"b.\titem", "b."}, recognition_case{u"a.1.\titem", "a.1."},
                      recognition_case{u"\u00B7\titem", "\u00B7"}, recognition_case{u" 1.\titem", "1."},
                      recognition_case{u"IV.\titem", "IV."}, recognition_case{u"AA.\titem", "AA."},
                      recognition_case{u"1)\titem", ""}, recognition_case{u"1\titem", ""},
                      recognition_case{u"1. \titem", ""}, recognition_case{u"1.x\titem", ""},
                      recognition_case{u"1. item", ""}, recognition_case{u"\titem", ""},
                      recognition_case{u"0.\titem", "0."}));

TEST(Lists, LettersAreBijective) {
  const std::u16string upper = u"ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::pair<std::uint32_t, const char*> table[] = {
      {1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {702, "ZZ"}, {703, "AAA"}, {0, ""}};
  for (const auto& [value, letters] : table) EXPECT_EQ(mtext_test::utf8(letters_of(value, upper)), letters) << value;
  geom_multitext text = laid_out(u"IV.\tx");
  auto at = text.parts.cbegin();
  EXPECT_EQ(parse_numbering(text, english(), at, text.parts.cend())->indices[0].value, 9u * 26u + 22u);
}

TEST(Lists, OverlappingAlphabetsAreTriedInDictionaryOrder) {
  const marks::letters_dictionary two{{{u"a", u"A", u"abc", u"ABC"}, {u"b", u"B", u"abcdef", u"ABCDEF"}}};
  const std::pair<const char16_t*, std::uint32_t> table[] = {{u"b.\tx", 0}, {u"e.\tx", 1}, {u"ad.\tx", 1}};
  for (const auto& [content, alphabet] : table) {
    geom_multitext text = laid_out(content);
    auto at = text.parts.cbegin();
    const auto item = parse_numbering(text, two, at, text.parts.cend());
    ASSERT_TRUE(item) << mtext_test::utf8(content);
    EXPECT_EQ(item->indices[0].alphabet, alphabet) << mtext_test::utf8(content);
  }
}

TEST(Lists, MarkingFindsItemsAtParagraphStartsWithTheirLevel) {
  geom_multitext text = laid_out(u"1.\ta\\Pplain 2.\tb\\P\\pxl9;3.\tc\\P");
  text.marks.push_back(new marks::numbering(0, 1, {{5, 0, 0}}));  // a stale mark goes
  mark_numberings(text, english());
  const auto found = items(text);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0]->begin, 0u);
  EXPECT_EQ(found[0]->end, 3u);
  EXPECT_EQ(found[1]->level, 2u) << "left indent 9 is three levels, less one index";
  EXPECT_FALSE(found[0]->open_begin);
}

std::vector<std::string> renumbered(const std::u16string& content, const marks::letters_dictionary& d = english()) {
  geom_multitext text = laid_out(content);
  mark_numberings(text, d);
  marks::update_numberings(text.marks, d);
  std::vector<std::string> out;
  for (marks::numbering* item : items(text)) out.push_back(written(*item, d));
  return out;
}

using strings = std::vector<std::string>;

TEST(Lists, RenumberingCountsPerLevelAndRestartsOnAFirstNumber) {
  const std::pair<const char16_t*, strings> rows[] = {
      {u"3.\ta\\P7.\tb\\P9.\tc\\P1.\td\\P5.\te", {"3.", "4.", "5.", "1.", "2."}},
      {u"1.\ta\\P1.1.\tb\\P1.2.\tc\\P2.\td\\P5.5.\te", {"1.", "1.1.", "1.2.", "2.", "2.1."}},
      {u"a.\ta\\Pb.\tb\\Pe.\tc", {"a.", "b.", "c."}},
      {u"a.\ta\\Pa.\tb", {"a.", "a."}},  // a written first letter restarts
      {u"Y.\ta\\PY.\tb\\PY.\tc", {"Y.", "Z.", "AA."}},
      {u"1.\ta\\Pa note between\\P7.\tb\\P9.\tc", {"1.", "2.", "3."}},  // a plain paragraph ends no list
  };
  for (const auto& [content, numbers] : rows) EXPECT_EQ(renumbered(content), numbers) << mtext_test::utf8(content);
}

TEST(Lists, BulletsDoNotRestartOnTheirOwn) {
  geom_multitext text = laid_out(u"\u00B7\ta\\P\u00B7\tb\\P1.\tc\\P\u00B7\td");
  mark_numberings(text, english());
  marks::update_numberings(text.marks, english());
  const auto found = items(text);
  ASSERT_EQ(found.size(), 4u);
  EXPECT_EQ(found[1]->list, found[0]->list);
  EXPECT_NE(found[2]->list, found[1]->list) << "1. restarts";
}

TEST(Lists, PrefixIsRewrittenInTheItemsFormat) {
  geom_multitext text = laid_out(u"3.\ta\\P7.\t{\\C1;b}");
  mark_numberings(text, english());
  marks::update_numberings(text.marks, english());
  for (marks::numbering* item : items(text)) update_numbering(text, *item, fixed_finder(), english());
  EXPECT_EQ(mtext_test::utf8(serialize_raw(flatten(text), false)), "3.\ta\r\n4.\tb");
  const marks::numbering& second = *items(text)[1];
  EXPECT_EQ(second.end - second.begin, 3u) << "the mark covers the new prefix and its tab";
  EXPECT_EQ(text.parts[second.begin].part().format.color.index, 1) << "the item text's format";
}

TEST(Lists, IndentsHangThePrefix) {
  geom_multitext text = laid_out(u"1.1.\tx");
  mark_numberings(text, english());
  marks::numbering& item = *items(text)[0];
  update_numbering_indent(text, item, text.paragraph);
  EXPECT_DOUBLE_EQ(text.paragraph.first_indent, -5.0);
  EXPECT_DOUBLE_EQ(text.paragraph.left_indent, 6.0);
  ASSERT_EQ(text.paragraph.tabs.size(), 1u);
  EXPECT_DOUBLE_EQ(text.paragraph.tabs[0].position, 6.0);
}

TEST(Lists, DeeperAndShallowerAgain) {
  geom_multitext text = laid_out(u"1.\ta\\P2.\tb\\P3.\tc");
  mark_numberings(text, english());
  marks::numbering& third = *items(text)[2];
  format::paragraph& paragraph = paragraph_at(text, third.begin);
  indent_numbering(text, third, paragraph, fixed_finder(), true, english());
  EXPECT_EQ(written(third), "2.1.");
  EXPECT_DOUBLE_EQ(paragraph.left_indent, 6.0);
  indent_numbering(text, third, paragraph, fixed_finder(), false, english());
  EXPECT_EQ(written(third), "3.");
  EXPECT_EQ(mtext_test::utf8(serialize_raw(flatten(text), false)), "1.\ta\r\n2.\tb\r\n3.\tc");
}

TEST(Lists, ShallowerThanOneLevelEndsTheItem) {
  geom_multitext text = laid_out(u"a\\P\\pxi-3,l3,t3;1.\tb");
  mark_numberings(text, english());
  marks::numbering& item = *items(text)[0];
  format::paragraph& paragraph = paragraph_at(text, item.begin);
  indent_numbering(text, item, paragraph, fixed_finder(), false, english());
  EXPECT_EQ(mtext_test::utf8(serialize_raw(flatten(text), false)), "a\r\nb");
  EXPECT_DOUBLE_EQ(paragraph.left_indent, 0.0);
  EXPECT_DOUBLE_EQ(paragraph.first_indent, 0.0);
  EXPECT_TRUE(paragraph.tabs.empty());
  EXPECT_EQ(item.begin, item.end);
}

TEST(Lists, ClearingLeavesAPlainParagraph) {
  geom_multitext text = laid_out(u"\\pxi-3,l3,t3;b.\tword");
  mark_numberings(text, english());
  clear_numbering(text, *items(text)[0], text.paragraph);
  EXPECT_EQ(mtext_test::utf8(serialize_raw(flatten(text), false)), "word");
  EXPECT_TRUE(text.paragraph.tabs.empty());
}

const marks::letters_dictionary& shipped() {
  static const marks::letters_dictionary d = [] {
    std::ifstream in(std::string(CADTEXT_SOURCE_DIR) + "/data/alphabets.json");
    std::stringstream text;
    text << in.rdbuf();
    return marks::letters_dictionary::from_json(text.str());
  }();
  return d;
}

TEST(Lists, RussianCountsInItsOwnAlphabet) {
  // 26th and 27th letters, then past the 33rd the letters double.
  EXPECT_EQ(renumbered(u"\u0428.\ta\\P\u0428.\tb", shipped()), (strings{"\u0428.", "\u0429."}));
  EXPECT_EQ(renumbered(u"\u042F.\ta\\P\u042F.\tb", shipped()), (strings{"\u042F.", "\u0410\u0410."}));
  geom_multitext text = laid_out(u"\u0449.\tx");
  auto at = text.parts.cbegin();
  const auto item = parse_numbering(text, shipped(), at, text.parts.cend());
  ASSERT_TRUE(item);
  EXPECT_EQ(item->indices[0].value, 27u);
  EXPECT_EQ(item->indices[0].kind, marks::numbering_lower);
  EXPECT_EQ(shipped().alphabets.at(item->indices[0].alphabet).code, u"rus");
}

TEST(Lists, GermanUmlautsAreLetters) {
  const auto& alphabets = shipped().alphabets;
  const auto german = std::find_if(alphabets.begin(), alphabets.end(), [](const auto& a) { return a.code == u"deu"; });
  ASSERT_NE(german, alphabets.end());
  const std::u16string umlaut = std::u16string(1, german->lower.at(26)) + u".\tx";
  geom_multitext text = laid_out(umlaut);
  auto at = text.parts.cbegin();
  const auto item = parse_numbering(text, shipped(), at, text.parts.cend());
  ASSERT_TRUE(item);
  EXPECT_EQ(item->indices[0].value, 27u);
}

TEST(Lists, RewrittenBulletIsInTheSymbolFont) {
  geom_multitext text = laid_out(u"\u00B7\t{\\L\\fTimes|b1;item}");
  mark_numberings(text, english());
  update_numbering(text, *items(text)[0], fixed_finder(), english());
  const format::string& bullet = text.parts[0].part().format;
  EXPECT_EQ(format::font_of(bullet.style).name, OdString(u"Symbol"));
  EXPECT_EQ(bullet.style.ttfDecriptor().pitchAndFamily(), 18);
  EXPECT_FALSE(bullet.style.ttfDecriptor().isBold());
  EXPECT_FALSE(bullet.style.isUnderlined()) << "no lines under a number";
  const format::string& tab = text.parts[1].part().format;
  EXPECT_EQ(format::font_of(tab.style).name, OdString(u"Times")) << "the tab keeps the item's font";
  EXPECT_FALSE(tab.style.isUnderlined());
}

}  // namespace
