// Keyword lists: local and global names, quoted names, aliases, and what a
// typed keyword resolves to.
#include <gtest/gtest.h>

#include "platform/host/host_keywords.h"

namespace {

struct match_case {
  const char16_t* typed;
  int expected;  // -1: no match
};

TEST(Keywords, TypedKeywordsResolveToTheirLocalPosition) {
  const host_keyword_list list =
      hostParseKeywords(u"Left Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR _ "
                        u"Left Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR");
  const match_case cases[] = {
      {u"Left", 0}, {u"left", 0}, {u"BR", 14}, {u"_Fit", 2}, {u"_fit", 2}, {u"mc", 10},
      {u"Ce", 3},   // a unique prefix
      {u"M", -1},   // Middle, ML, MC, MR: ambiguous
      {u"T", -1},   {u"Top", -1}, {u"", -1}, {u"_Links", -1},
  };
  for (const match_case& c : cases) {
    const std::optional<int> got = hostMatchKeyword(list, c.typed);
    EXPECT_EQ(got.value_or(-1), c.expected) << OdString(c.typed).toUtf8();
  }
}

}  // namespace
