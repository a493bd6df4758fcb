#include <gtest/gtest.h>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbMText.h"

namespace {

OdDbMTextPtr make_mtext(double rotation) {
  OdDbMTextPtr m = OdDbMText::createObject();
  m->setContents(u"first line\\Psecond");
  m->setTextHeight(2.0);
  m->setLocation(OdGePoint3d(5.0, 4.0, 1.0));
  m->setRotation(rotation);
  return m;
}

TEST(DbMText, DynamicColumnHeightsAreKeptPerColumn) {
  OdDbMTextPtr m = make_mtext(0.0);
  m->setDynamicColumns(8.0, 1.5, false);
  EXPECT_EQ(m->getColumnType(), OdDbMText::kDynamicColumns);
  EXPECT_FALSE(m->getColumnAutoHeight());
  m->setColumnCount(4);
  const double heights[] = {10.0, 0.0, 5.0, 0.0};
  for (int i = 0; i < 4; ++i) m->setColumnHeight(i, heights[i]);
  for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(m->getColumnHeight(i), heights[i]) << i;
  m->setColumnCount(2);
  EXPECT_DOUBLE_EQ(m->getColumnHeight(1), 0.0);
  EXPECT_THROW(m->getColumnHeight(2), OdError) << "index past the count";
  EXPECT_THROW(m->setColumnHeight(-1, 3.0), OdError);
}

TEST(DbMLeader, ContentIsTextOrBlockWithAttributes) {
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  EXPECT_EQ(leader->contentType(), OdDbMLeader::kNoneContent);
  OdDbMTextPtr m = make_mtext(0.0);
  leader->setMText(m.get());
  EXPECT_EQ(leader->contentType(), OdDbMLeader::kMTextContent);
  m->setContents(u"changed after");
  EXPECT_EQ(leader->mtext()->contents(), OdString(u"first line\\Psecond"));  // a copy was taken
  leader->setBlockContentName(u"TAG_BLOCK");
  leader->setBlockAttributeValue(u"NUM", u"12");
  leader->setBlockAttributeValue(u"num", u"13");
  EXPECT_EQ(leader->contentType(), OdDbMLeader::kBlockContent);
  ASSERT_EQ(leader->blockAttributes().size(), 1u);
  EXPECT_EQ(leader->blockAttributeValue(u"Num"), OdString(u"13"));
  EXPECT_TRUE(leader->blockAttributeValue(u"OTHER").isEmpty());
}

}  // namespace
