// The justification formulas against the keyword table they encode.
#include <gtest/gtest.h>

#include <string>

#include "commands/justification.h"

namespace {

using namespace justification;

struct row {
  const char16_t* keyword;
  int horizontal;
  int vertical;
  int attachment;
};

// Keyword, Text modes and MText attachment of every justification index.
const row kIndexTable[] = {
    {u"Left", 0, 0, 1},  {u"Align", 3, 0, 1},  {u"Fit", 5, 0, 1},  {u"Center", 1, 0, 2}, {u"Middle", 4, 0, 5},
    {u"Right", 2, 0, 3}, {u"TL", 0, 3, 1},     {u"TC", 1, 3, 2},   {u"TR", 2, 3, 3},     {u"ML", 0, 2, 4},
    {u"MC", 1, 2, 5},    {u"MR", 2, 2, 6},     {u"BL", 0, 1, 7},   {u"BC", 1, 1, 8},     {u"BR", 2, 1, 9},
};

std::string utf8(const char16_t* s) { return OdString(s).toUtf8(); }

TEST(JustificationIndex, EveryIndexGivesTheTableModesAndAttachment) {
  for (int index = 0; index < index_count; ++index) {
    const row& r = kIndexTable[index];
    SCOPED_TRACE(utf8(r.keyword));
    EXPECT_EQ(utf8(keyword_of_index(index)), utf8(r.keyword));
    EXPECT_EQ(horizontal_of_index(index), r.horizontal);
    EXPECT_EQ(vertical_of_index(index), r.vertical);
    EXPECT_EQ(attachment_of_index(index), r.attachment);
    EXPECT_EQ(index_of_modes(r.horizontal, r.vertical), index);
  }
}

TEST(JustificationIndex, OutOfRangeValuesFallBackToLeft) {
  for (int index : {-1, 15, 100}) {
    EXPECT_EQ(horizontal_of_index(index), kTextLeft) << index;
    EXPECT_EQ(vertical_of_index(index), kTextBase) << index;
    EXPECT_EQ(attachment_of_index(index), OdDbMText::kTopLeft) << index;
    EXPECT_EQ(utf8(keyword_of_index(index)), "") << index;
  }
  EXPECT_EQ(index_of_modes(6, 0), 0);
  EXPECT_EQ(index_of_modes(0, 4), 0);
  EXPECT_EQ(index_of_modes(-1, 0), 0);
}

const row kTJustTable[] = {
    {u"Start", 0, 0, 1}, {u"Center", 1, 0, 2}, {u"Middle", 1, 0, 5}, {u"Right", 2, 0, 3}, {u"TL", 0, 3, 1},
    {u"TC", 1, 3, 2},    {u"TR", 2, 3, 3},     {u"ML", 0, 2, 4},     {u"MC", 1, 2, 5},    {u"MR", 2, 2, 6},
    {u"BL", 0, 1, 7},    {u"BC", 1, 1, 8},     {u"BR", 2, 1, 9},
};

TEST(TJustTable, EveryPositionGivesItsModesAndAttachment) {
  const std::u16string list = tjust_keywords;
  std::size_t start = 0;
  for (int position = 0; position < tjust_count; ++position) {
    const row& r = kTJustTable[position];
    SCOPED_TRACE(utf8(r.keyword));
    const std::size_t blank = list.find(u' ', start);
    EXPECT_EQ(list.substr(start, blank - start), std::u16string(r.keyword));
    start = blank == std::u16string::npos ? list.size() : blank + 1;
    const tjust_entry e = tjust_of_position(position);
    EXPECT_EQ(e.horizontal, r.horizontal);
    EXPECT_EQ(e.vertical, r.vertical);
    EXPECT_EQ(e.attachment, r.attachment);
  }
}

}  // namespace
