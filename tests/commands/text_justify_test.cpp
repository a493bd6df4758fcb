// Justification changes keep Texts and MTexts where they are.
#include <gtest/gtest.h>

#include "commands/text_justify.h"
#include "platform/sdk/OdDbMLeader.h"
#include "test_drawing.h"

namespace {

using namespace justification;

struct orientation {
  const char* name;
  double rotation;
  OdGeVector3d normal;
};
const orientation kOrientations[] = {
    {"flat", 0.0, OdGeVector3d::kZAxis},
    {"rotated 30", OdaPI / 6.0, OdGeVector3d::kZAxis},
    {"tilted plane", 0.4, OdGeVector3d(1.0, -2.0, 0.5).normal()},
};

std::string name_of(int index) { return OdString(keyword_of_index(index)).toUtf8(); }

// Every justification to every other keeps the Text's bounding points.
TEST(ApplyTextJustify, AllFifteenByFifteenChangesKeepTheBox) {
  test_drawing d;
  const double height = 2.0;
  for (const orientation& o : kOrientations) {
    for (int from = 0; from < index_count; ++from) {
      for (int to = 0; to < index_count; ++to) {
        OdDbTextPtr t = d.text(u"Hgx Ay", OdGePoint3d(3.0, -1.0, 0.5), height, o.rotation, o.normal);
        ApplyTextJustify(t, horizontal_of_index(from), vertical_of_index(from));
        const auto before = bounding_points(*t);
        ApplyTextJustify(t, horizontal_of_index(to), vertical_of_index(to));
        const std::string what = std::string(o.name) + " " + name_of(from) + " -> " + name_of(to);
        EXPECT_EQ(t->horizontalMode(), horizontal_of_index(to)) << what;
        EXPECT_EQ(t->verticalMode(), vertical_of_index(to)) << what;
        expect_same_box(before, bounding_points(*t), 1e-9 * height, what);
      }
    }
  }
}

TEST(ApplyTextJustify, AlignAndFitTakeTheRightEndOfTheBaseline) {
  for (OdTextHorzMode mode : {kTextAlign, kTextFit}) {
    for (const orientation& o : kOrientations) {
      test_drawing d;
      OdDbTextPtr t = d.text(u"Baseline", OdGePoint3d(1.0, 2.0, 0.0), 2.5, o.rotation, o.normal);
      const OdGePoint3d start = t->position();
      const auto box = bounding_points(*t);
      // The baseline runs from the start along the text's direction for its advance.
      const OdGePoint3d right_end = start + t->direction() * box[2].distanceTo(box[3]);
      ApplyTextJustify(t, mode, kTextBase);
      const std::string what = std::string(o.name) + (mode == kTextAlign ? " align" : " fit");
      expect_point_near(t->position(), start, 1e-9, what + " start");
      expect_point_near(t->alignmentPoint(), right_end, 1e-9, what + " end");
      EXPECT_NEAR(t->height(), 2.5, 1e-9) << what;
      EXPECT_NEAR(t->widthFactor(), 1.0, 1e-9) << what;
    }
  }
}

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

TEST(ApplyTextJustify, TopRightToLeftLeavesTheTextWhereItWas) {
  test_drawing d;
  OdDbTextPtr t = d.justified_text(u"Corner", OdGePoint3d(50.0, 40.0, 0.0), kTextRight, kTextTop);
  const auto before = bounding_points(*t);
  ApplyTextJustify(t, kTextLeft, kTextBase);
  EXPECT_TRUE(isDefaultTextAlignment(t));
  expect_same_box(before, bounding_points(*t), 1e-9, "TR -> Left");
  // Left/baseline: the start of the baseline is the position.
  expect_point_near(t->position(), before[2], 1e-9, "position");
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

TEST(ApplyMTextJustify, EveryJustificationKeepsTheBox) {
  test_drawing d;
  for (int to = 0; to < index_count; ++to) {
    OdDbMTextPtr m = d.mtext(u"First line\\Psecond", OdGePoint3d(10.0, 20.0, 0.0), OdDbMText::kMiddleRight);
    const auto before = bounding_points(*m);
    ApplyMTextJustify(m, horizontal_of_index(to), vertical_of_index(to));
    EXPECT_EQ(m->attachment(), attachment_of_index(to)) << name_of(to);
    expect_same_box(before, bounding_points(*m), 1e-9, name_of(to));
  }
}

TEST(ApplyIndex, TextsAndMTextsChangeOthersNot) {
  test_drawing d;
  OdDbTextPtr t = d.text(u"Text", OdGePoint3d(0.0, 0.0, 0.0));
  OdDbMTextPtr m = d.mtext(u"MText", OdGePoint3d(0.0, 10.0, 0.0));
  EXPECT_TRUE(apply_index(t.get(), 13));  // BC
  EXPECT_EQ(t->horizontalMode(), kTextCenter);
  EXPECT_EQ(t->verticalMode(), kTextBottom);
  EXPECT_TRUE(apply_index(m.get(), 13));
  EXPECT_EQ(m->attachment(), OdDbMText::kBottomCenter);
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  EXPECT_FALSE(apply_index(leader.get(), 13));
  EXPECT_FALSE(apply_index(nullptr, 13));
}

TEST(TJustText, EveryPositionKeepsTheTextsPositionAndSetsTheTableModes) {
  for (int position = 0; position < tjust_count; ++position) {
    test_drawing d;
    OdDbTextPtr t = d.justified_text(u"Moved?", OdGePoint3d(7.0, 3.0, 0.0), kTextRight, kTextTop);
    const OdGePoint3d start = t->position();
    const auto before = bounding_points(*t);
    const tjust_entry e = tjust_of_position(position);
    tjust_text(*t, e);
    EXPECT_EQ(t->horizontalMode(), e.horizontal) << position;
    EXPECT_EQ(t->verticalMode(), e.vertical) << position;
    expect_point_near(t->position(), start, 1e-9, "position " + std::to_string(position));
    expect_same_box(before, bounding_points(*t), 1e-9, "box " + std::to_string(position));
  }
}

}  // namespace
