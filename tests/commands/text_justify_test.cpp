// Justification changes keep Texts and MTexts where they are.
#include <gtest/gtest.h>

#include "commands/text_justify.h"
#include "platform/sdk/OdDbMLeader.h"
#include "test_drawing.h"

namespace {

using namespace justification;

// A fit Text as drawing files keep it: its two points, but the width factor
// it had before fitting. It is drawn spanning the points, and stays so.
TEST(ApplyTextJustify, AFitTextReadWithAnUnfittedWidthFactorKeepsTheSpanItIsDrawnWith) {
  test_drawing d;
  OdDbTextPtr t = d.text(u"Fitted", OdGePoint3d(0.0, 0.0, 0.0), 2.5);
  t->setHorizontalMode(kTextFit);
  t->setAlignmentPoint(OdGePoint3d(30.0, 0.0, 0.0));
  ASSERT_LT(bounding_points(*t)[3].x, 29.0);  // as read: not yet spanning
  ApplyTextJustify(t, kTextCenter, kTextVertMid);
  // The middle-centre point of the 0..30 baseline's box.
  expect_point_near(t->alignmentPoint(), OdGePoint3d(15.0, 1.25, 0.0), 1e-9, "MC point");
  EXPECT_NEAR(bounding_points(*t)[3].x, 30.0, 1e-9);
}

TEST(ApplyTextJustify, PositionOrAlignmentPointFollowsTheModes) {
  test_drawing d;
  OdDbTextPtr left = d.text(u"L", OdGePoint3d(1.0, 1.0, 0.0));
  left->setAlignmentPoint(OdGePoint3d(9.0, 9.0, 0.0));
  expect_point_near(TextPositionOrAlignmentPoint(left), OdGePoint3d(1.0, 1.0, 0.0), 0.0, "left");
  OdDbTextPtr centred = d.justified_text(u"C", OdGePoint3d(5.0, 5.0, 0.0), kTextCenter, kTextBase);
  expect_point_near(TextPositionOrAlignmentPoint(centred), OdGePoint3d(5.0, 5.0, 0.0), 0.0, "center");
  EXPECT_FALSE(isDefaultTextAlignment(centred));
  // Baseline with left but another vertical mode is not the default.
  OdDbTextPtr top_left = d.justified_text(u"T", OdGePoint3d(5.0, 5.0, 0.0), kTextLeft, kTextTop);
  EXPECT_FALSE(isDefaultTextAlignment(top_left));
  EXPECT_FALSE(isDefaultTextAlignment(OdDbTextPtr()));
}

// The exported MText function the commands do not use, and what the
// justification of an index leaves alone.
TEST(ApplyMTextJustify, EveryJustificationKeepsTheBoxOthersAreLeftAlone) {
  test_drawing d;
  for (int to = 0; to < index_count; ++to) {
    OdDbMTextPtr m = d.mtext(u"First line\\Psecond", OdGePoint3d(10.0, 20.0, 0.0), OdDbMText::kMiddleRight);
    const auto before = bounding_points(*m);
    ApplyMTextJustify(m, horizontal_of_index(to), vertical_of_index(to));
    EXPECT_EQ(m->attachment(), attachment_of_index(to)) << to;
    expect_same_box(before, bounding_points(*m), 1e-9, std::to_string(to));
  }
  ApplyMTextJustify(OdDbMTextPtr(), kTextCenter, kTextBase);
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  EXPECT_FALSE(apply_index(leader.get(), 13));
  EXPECT_FALSE(apply_index(nullptr, 13));
}

}  // namespace
