#include <gtest/gtest.h>

#include "describe.h"
#include "mtext/layout.h"
#include "mtext/serialize.h"
#include "test_finder.h"

namespace {

using namespace mtext;
using mtext_test::fixed_finder;

// The heap a laid-out text holds per part (README, Benchmarks) rests on
// these sizes: a part that grows breaks the build here.
static_assert(sizeof(geom_word) <= 112, "a laid-out character is at most 112 bytes");
static_assert(sizeof(geom_spaces) <= 88, "a laid-out blank is at most 88 bytes");
static_assert(sizeof(OdGiTextStyle) <= sizeof(void*), "a text style is one pointer to shared attributes");

geom_multitext chars(const std::u16string& text) {
  return to_geom(text, mtext_test::base_format(1.0), 1.0, fixed_finder());
}

std::string text_of(const geom_multitext& text) {
  std::u16string out;
  for (const geom_part& p : text.parts) serialize_raw(out, p.part(), false);
  return mtext_test::utf8(out);
}

const marks::mark& mark_at(const geom_multitext& text, std::size_t i) { return text.marks.at(i); }

struct insert_case {
  marks::position begin, end;      // a selection before
  marks::position at, count;       // insertion
  marks::position new_begin, new_end;
};

class InsertMovesMarks : public ::testing::TestWithParam<insert_case> {};

TEST_P(InsertMovesMarks, Shifted) {
  const insert_case& c = GetParam();
  geom_multitext text = chars(u"abcdef");
  text.marks.push_back(new marks::selection(c.begin, c.end));
  geom_multitext added = chars(std::u16string(c.count, u'x'));
  text.insert(c.at, added);
  EXPECT_EQ(mark_at(text, 0).begin, c.new_begin);
  EXPECT_EQ(mark_at(text, 0).end, c.new_end);
  EXPECT_TRUE(added.parts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Container, InsertMovesMarks,
    ::testing::Values(insert_case{2, 2, 2, 3, 5, 5},   // a caret at the insertion point moves behind
                      insert_case{1, 4, 2, 3, 1, 7},   // a selection around it grows
                      insert_case{0, 2, 2, 3, 0, 2},   // one ending there stays
                      insert_case{3, 5, 2, 3, 6, 8},   // one after it moves
                      insert_case{6, 6, 6, 1, 7, 7})); // at the very end

struct erase_case {
  marks::position begin, end;
  marks::position at, count;
  marks::position new_begin, new_end;
};

class EraseMovesMarks : public ::testing::TestWithParam<erase_case> {};

TEST_P(EraseMovesMarks, Shifted) {
  const erase_case& c = GetParam();
  geom_multitext text = chars(u"abcdefgh");
  text.marks.push_back(new marks::selection(c.begin, c.end));
  text.erase(c.at, c.count, true);
  EXPECT_EQ(mark_at(text, 0).begin, c.new_begin);
  EXPECT_EQ(mark_at(text, 0).end, c.new_end);
}

INSTANTIATE_TEST_SUITE_P(
    Container, EraseMovesMarks,
    ::testing::Values(erase_case{3, 5, 2, 4, 2, 2},   // inside the range: collapses to it
                      erase_case{1, 7, 2, 2, 1, 5},   // around the range: shrinks
                      erase_case{1, 4, 3, 3, 1, 3},   // overlapping its end
                      erase_case{4, 7, 2, 3, 2, 4},   // overlapping its begin
                      erase_case{6, 8, 1, 2, 4, 6})); // after it: moves

TEST(Container, BadPositionsAreRefusedWithTheirMessages) {
  geom_multitext text = chars(u"abc");
  text.marks.push_back(new marks::selection(1, 1));
  geom_multitext more = chars(u"x");
  EXPECT_NO_THROW(text.insert(3, more));
  geom_multitext again = chars(u"x");
  const auto message = [](auto&& call) {
    try {
      call();
    } catch (const std::invalid_argument& error) {
      return std::string(error.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([&] { text.insert(5, again); }), "geom_multitext::insert: invalid position");
  EXPECT_EQ(message([&] { text.erase(3, 2, true); }), "geom_multitext::erase: invalid positions");
  EXPECT_EQ(message([&] { text.slice(5, 0); }), "geom_multitext::erase: invalid positions");
  EXPECT_EQ(message([&] { line(text, 0); }), "geom_multitext::line: mtext has not enough lines");
  EXPECT_EQ(message([&] { text.verify_mark(marks::selection(2, 5)); }),
            "geom_multitext::verify_mark: mark doesn't belong to multitext");
  EXPECT_EQ(message([&] { text.verify_elem(5); }),
            "geom_multitext::verify_elem: at doesn't belong to multitext");
  EXPECT_NO_THROW(text.verify_elem(4));
  EXPECT_EQ(text_of(text), "abcx") << "a failed call changes nothing";
  EXPECT_EQ(text.marks[0].begin, 1u);
}

TEST(Container, SliceKeepsARangeWithItsMarks) {
  geom_multitext text = chars(u"abcdefgh");
  text.marks.push_back(new marks::selection(1, 4));
  text.marks.push_back(new marks::solid(6, 8, true));
  const geom_multitext part = text.slice(2, 3);
  EXPECT_EQ(text_of(part), "cde");
  ASSERT_EQ(part.marks.size(), 1u) << "the solid outside the range is gone";
  EXPECT_EQ(part.marks[0].begin, 0u);
  EXPECT_EQ(part.marks[0].end, 2u);
  EXPECT_EQ(text_of(text), "abcdefgh");
}

TEST(Container, SnapshotFollowsEveryChange) {
  geom_multitext text = chars(u"abc");
  text.erase(1, 1, true);
  ASSERT_EQ(text.snapshot.size(), 2u);
  EXPECT_EQ(text.part_index, (std::vector<std::uint32_t>{0, 1}));
  EXPECT_NE(&text.snapshot[0], &text.parts[0]) << "the snapshot is a copy";
}

// Two edits far apart join into one span from the first to the last.
TEST(Container, ChangesSpanEveryEditSinceTheyWereTaken) {
  geom_multitext text = chars(u"abcdefghij");
  EXPECT_FALSE(text.take_changes().empty()) << "a text built anew changed everywhere";
  EXPECT_TRUE(text.changes().empty());
  text.insert(7, chars(u"xy"));  // abcdefgxyhij: 3 unchanged at the end
  EXPECT_EQ(text.changes().first, 7u);
  EXPECT_EQ(text.changes().tail, 3u);
  text.erase(2, 1, true);  // abdefgxyhij
  text.touch(10, 1);       // the last part changed in place
  const change_span span = text.take_changes();
  EXPECT_EQ(span.first, 2u);
  EXPECT_EQ(span.tail, 0u);
  text.erase(0, to_the_end, true);
  EXPECT_EQ(text.changes().first, 0u);
  EXPECT_EQ(text.changes().tail, 0u);
}

TEST(Container, LineWithoutItsBreak) {
  geom_multitext text;
  to_geom(text, mtext_test::parsed(u"ab\\Pcd", mtext_test::base_format(1.0)), 1.0, fixed_finder());
  dispose(text);
  const geom_multitext first = line(text, 0);
  EXPECT_EQ(text_of(first), "ab");
  ASSERT_EQ(first.lines.size(), 1u);
  EXPECT_EQ(first.lines[0].begin, 0u);
  EXPECT_EQ(first.lines[0].end, 3u) << "the record still counts the break";
  EXPECT_EQ(text_of(line(text, 1)), "cd");
}

TEST(Container, NonExtendedParagraphsBecomeTextHeights) {
  geom_multitext text;
  to_geom(text, mtext_test::parsed(u"\\pl5,t10;a", mtext_test::base_format(2.5)), 2.5, fixed_finder());
  EXPECT_TRUE(text.paragraph.extended);
  EXPECT_DOUBLE_EQ(text.paragraph.left_indent, 2.0);
  EXPECT_DOUBLE_EQ(text.paragraph.tabs.at(0).position, 4.0);
}

}  // namespace
