#include <gtest/gtest.h>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbMText.h"

namespace {

void expect_near(const OdGePoint3d& a, const OdGePoint3d& b, const std::string& what) {
  EXPECT_NEAR(a.x, b.x, 1e-9) << what;
  EXPECT_NEAR(a.y, b.y, 1e-9) << what;
  EXPECT_NEAR(a.z, b.z, 1e-9) << what;
}

// A provider of a fixed size, standing in for the text library's layout.
struct fixed_provider : OdDbMTextLayoutProvider {
  od_mtext_extents size;
  bool measure(const OdDbMText&, od_mtext_extents& extents) const override {
    extents = size;
    return true;
  }
};

struct provider_scope {
  fixed_provider provider;
  OdDbMTextLayoutProvider* previous;
  provider_scope(double w, double h) {
    provider.size = {w, h};
    previous = odDbSetMTextLayoutProvider(&provider);
  }
  ~provider_scope() { odDbSetMTextLayoutProvider(previous); }
};

OdDbMTextPtr make_mtext(double rotation) {
  OdDbMTextPtr m = OdDbMText::createObject();
  m->setContents(u"first line\\Psecond");
  m->setTextHeight(2.0);
  m->setLocation(OdGePoint3d(5.0, 4.0, 1.0));
  m->setRotation(rotation);
  return m;
}

TEST(DbMText, FallbackSizeIsAnEstimateFromLinesAndHeight) {
  ASSERT_EQ(odDbMTextLayoutProvider(), nullptr);
  OdDbMTextPtr m = make_mtext(0.0);
  EXPECT_NEAR(m->actualWidth(), 10 * 0.6 * 2.0, 1e-12);  // "first line" is the longest
  EXPECT_NEAR(m->actualHeight(), 2 * 2.0 * 5.0 / 3.0, 1e-12);
  m->setWidth(30.0);
  EXPECT_DOUBLE_EQ(m->actualWidth(), 30.0);
  m->setLineSpacingFactor(2.0);
  EXPECT_NEAR(m->actualHeight(), 2 * 2.0 * 5.0 / 3.0 * 2.0, 1e-12);
}

TEST(DbMText, InstalledProviderAnswersTheSize) {
  provider_scope scope(12.0, 7.0);
  OdDbMTextPtr m = make_mtext(0.0);
  EXPECT_DOUBLE_EQ(m->actualWidth(), 12.0);
  EXPECT_DOUBLE_EQ(m->actualHeight(), 7.0);
  m->setAttachment(OdDbMText::kMiddleCenter);
  std::array<OdGePoint3d, 4> box;
  m->getBoundingPoints(box);
  expect_near(box[0], OdGePoint3d(5.0 - 6.0, 4.0 + 3.5, 1.0), "top left of a middle-centre text");
  expect_near(box[3], OdGePoint3d(5.0 + 6.0, 4.0 - 3.5, 1.0), "bottom right");
  expect_near(box[1], OdGePoint3d(11.0, 7.5, 1.0), "top right");
  expect_near(box[2], OdGePoint3d(-1.0, 0.5, 1.0), "bottom left");
}

TEST(DbMText, ChangingAttachmentMovingLocationKeepsTheBoxForAllPairs) {
  provider_scope scope(12.0, 7.0);
  for (double rotation : {0.0, OdaPI / 6.0}) {
    for (int from = 1; from <= 9; ++from) {
      for (int to = 1; to <= 9; ++to) {
        const std::string what = std::to_string(from) + "->" + std::to_string(to) + " at " + std::to_string(rotation);
        OdDbMTextPtr m = make_mtext(rotation);
        m->setAttachment(static_cast<OdDbMText::AttachmentPoint>(from));
        std::array<OdGePoint3d, 4> before, after;
        m->getBoundingPoints(before);
        m->setAttachmentMovingLocation(static_cast<OdDbMText::AttachmentPoint>(to));
        EXPECT_EQ(m->attachment(), to);
        m->getBoundingPoints(after);
        for (int i = 0; i < 4; ++i) expect_near(after[i], before[i], what);
        // The location is the attachment's point of the box.
        const double column = (to - 1) % 3 * 0.5, row = (to - 1) / 3 * 0.5;
        const OdGePoint3d named = after[0] + (after[1] - after[0]) * column + (after[2] - after[0]) * row;
        expect_near(m->location(), named, what + " location");
      }
    }
  }
}

TEST(DbMText, PlainAttachmentChangeMovesTheBox) {
  provider_scope scope(12.0, 7.0);
  OdDbMTextPtr m = make_mtext(0.0);
  m->setAttachment(OdDbMText::kBottomRight);
  std::array<OdGePoint3d, 4> box;
  m->getBoundingPoints(box);
  expect_near(box[3], m->location(), "bottom right sits on the location");
  EXPECT_THROW(m->setAttachment(static_cast<OdDbMText::AttachmentPoint>(25)), OdError);
  EXPECT_THROW(m->setAttachmentMovingLocation(static_cast<OdDbMText::AttachmentPoint>(0)), OdError);
  EXPECT_EQ(m->attachment(), OdDbMText::kBottomRight);
  // The kinds single-line text knows are accepted and sit on the nearest cell.
  m->setAttachmentMovingLocation(OdDbMText::kMiddleAlign);
  std::array<OdGePoint3d, 4> moved;
  m->getBoundingPoints(moved);
  expect_near(moved[3], box[3], "the box stays put");
  expect_near(box[2] + (box[0] - box[2]) * 0.5, m->location(), "middle align sits on the left edge's middle");
}

TEST(DbMText, RotationIsTheDirectionAngleInTheTextPlane) {
  OdDbMTextPtr m = make_mtext(OdaPI / 6.0);
  EXPECT_NEAR(m->direction().x, std::cos(OdaPI / 6.0), 1e-12);
  EXPECT_NEAR(m->direction().y, std::sin(OdaPI / 6.0), 1e-12);
  m->setDirection(OdGeVector3d(0.0, 3.0, 0.0));
  EXPECT_NEAR(m->rotation(), OdaPI / 2.0, 1e-12);
  const OdGeVector3d tilted = OdGeVector3d(1.0, 1.0, 1.0).normal();
  m->setNormal(tilted);
  EXPECT_NEAR(m->rotation(), OdaPI / 2.0, 1e-12);
  EXPECT_NEAR(m->direction().dotProduct(tilted), 0.0, 1e-12);
  EXPECT_THROW(m->setDirection(tilted * 2.0), OdError);
}

TEST(DbMText, StaticColumnsSetTypeWidthGutterAndCount) {
  OdDbMTextPtr m = make_mtext(0.0);
  EXPECT_EQ(m->getColumnType(), OdDbMText::kNoColumns);
  m->setStaticColumns(10.0, 2.0, 3);
  EXPECT_EQ(m->getColumnType(), OdDbMText::kStaticColumns);
  EXPECT_DOUBLE_EQ(m->getColumnWidth(), 10.0);
  EXPECT_DOUBLE_EQ(m->getColumnGutterWidth(), 2.0);
  EXPECT_EQ(m->getColumnCount(), 3);
  EXPECT_THROW(m->setStaticColumns(10.0, 2.0, 0), OdError);
  EXPECT_EQ(m->getColumnCount(), 3);
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
  try {
    m->getColumnHeight(2);
    ADD_FAILURE() << "index past the count";
  } catch (const OdError& e) {
    EXPECT_EQ(e.code(), eInvalidIndex);
  }
  EXPECT_THROW(m->setColumnHeight(-1, 3.0), OdError);
}

TEST(DbMText, OutOfRangeValuesAreRefusedAndKept) {
  OdDbMTextPtr m = make_mtext(0.0);
  EXPECT_THROW(m->setTextHeight(0.0), OdError);
  EXPECT_THROW(m->setWidth(-1.0), OdError);
  EXPECT_THROW(m->setLineSpacingFactor(5.0), OdError);
  EXPECT_THROW(m->setBackgroundScaleFactor(0.5), OdError);
  EXPECT_DOUBLE_EQ(m->textHeight(), 2.0);
  EXPECT_DOUBLE_EQ(m->lineSpacingFactor(), 1.0);
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
