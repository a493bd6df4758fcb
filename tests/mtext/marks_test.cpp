#include <gtest/gtest.h>

#include "mtext/marks.h"
#include "platform/sdk/OdDbField.h"

namespace {

using namespace mtext::marks;

using span = std::pair<position, position>;

std::vector<span> selections(const mark_vector& marks) {
  std::vector<span> out;
  for (const selection* s : selections_of(marks)) out.emplace_back(s->begin, s->end);
  return out;
}

struct merge_case {
  std::vector<span> given;
  std::vector<span> merged;
};

class MergeSelections : public ::testing::TestWithParam<merge_case> {};

TEST_P(MergeSelections, Merges) {
  std::vector<selection> given;
  for (const auto& [a, b] : GetParam().given) given.emplace_back(a, b);
  mark_vector marks;
  merge_selections(given, marks);
  EXPECT_EQ(selections(marks), GetParam().merged);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, MergeSelections,
    ::testing::Values(merge_case{{{2, 5}, {4, 9}}, {{2, 9}}},
                      merge_case{{{2, 5}, {5, 9}}, {{2, 5}, {5, 9}}},  // touching stay apart
                      merge_case{{{2, 5}, {5, 5}}, {{2, 5}}},          // a caret at the end goes
                      merge_case{{{7, 8}, {1, 3}, {2, 4}}, {{1, 4}, {7, 8}}},
                      merge_case{{{3, 3}, {3, 3}}, {{3, 3}}},
                      merge_case{{}, {}}));

TEST(Marks, MergeKeepsTheFirstSelectionsDirection) {
  mark_vector marks;
  marks.push_back(new selection(5, 2));  // reversed: anchor 5, head 2
  marks.push_back(new selection(4, 9));
  marks.push_back(new solid(0, 1, true));
  merge_selections(marks);
  ASSERT_EQ(selections(marks), (std::vector<span>{{2, 9}}));
  EXPECT_TRUE(selections_of(marks)[0]->reversed);
  EXPECT_EQ(marks.size(), 2u) << "other marks stay";
}

struct slide_case {
  position solid_begin, solid_end;
  bool open_begin;
  position caret;
  position slid;
};

class SlideOutOfSolids : public ::testing::TestWithParam<slide_case> {};

TEST_P(SlideOutOfSolids, MovesTheCaret) {
  const slide_case& c = GetParam();
  mark_vector marks;
  marks.push_back(new solid(c.solid_begin, c.solid_end, c.open_begin));
  set_selections(std::vector<selection>{selection(c.caret, c.caret)}, marks);
  EXPECT_EQ(selections(marks), (std::vector<span>{{c.slid, c.slid}}));
}

INSTANTIATE_TEST_SUITE_P(
    Marks, SlideOutOfSolids,
    ::testing::Values(slide_case{4, 10, true, 5, 4},     // nearer the begin
                      slide_case{4, 10, true, 8, 10},    // nearer the end
                      slide_case{4, 10, true, 7, 10},    // the middle goes to the end
                      slide_case{4, 10, true, 4, 4},     // an open begin holds the caret
                      slide_case{4, 10, false, 4, 3},    // a closed one sends it before
                      slide_case{0, 3, false, 0, 3},     // ... or behind, at the start
                      slide_case{0, 3, false, 1, 3},
                      slide_case{4, 10, true, 10, 10},   // the end is outside
                      slide_case{4, 10, true, 2, 2}));

TEST(Marks, SlideMovesBothEndsOfASelection) {
  mark_vector marks;
  marks.push_back(new solid(4, 10, true));
  set_selections(std::vector<selection>{selection(1, 8)}, marks);
  ASSERT_EQ(selections(marks), (std::vector<span>{{1, 10}}));
  EXPECT_FALSE(selections_of(marks)[0]->reversed);
}

TEST(Marks, SetSelectionsReplacesAll) {
  mark_vector marks;
  marks.push_back(new selection(1, 2));
  marks.push_back(new solid(5, 6, true));
  set_selections(std::vector<selection>{}, marks);
  EXPECT_TRUE(selections(marks).empty());
  EXPECT_EQ(marks.size(), 1u);
}

TEST(Marks, SelectionFromTwoPositions) {
  const selection s(7, 3);
  EXPECT_EQ(s.begin, 3u);
  EXPECT_EQ(s.end, 7u);
  EXPECT_TRUE(s.reversed);
  EXPECT_FALSE(s.flag);
  EXPECT_EQ(s.anchor(), 7u);
  EXPECT_EQ(s.head(), 3u);
  std::unique_ptr<mark> copy(s.clone());
  EXPECT_TRUE(dynamic_cast<selection*>(copy.get())->reversed);
}

TEST(Marks, FieldMarkHoldsItsField) {
  OdSmartPtr<OdDbField> object = OdDbField::createObject();
  {
    const field f(0, 3, object);
    std::unique_ptr<mark> copy(f.clone());
    EXPECT_EQ(object->numRefs(), 3);
    EXPECT_NE(dynamic_cast<solid*>(copy.get()), nullptr);
  }
  EXPECT_EQ(object->numRefs(), 1);
}

}  // namespace
