#include <gtest/gtest.h>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdFont.h"
#include "platform/sdk/OdGiContextForDbDatabase.h"
#include "tests/sdk/text_orientations.h"

namespace {

constexpr double kTol = 1e-9;

void expect_near(const OdGePoint3d& a, const OdGePoint3d& b, const std::string& what) {
  EXPECT_NEAR(a.x, b.x, 1e-7) << what;
  EXPECT_NEAR(a.y, b.y, 1e-7) << what;
  EXPECT_NEAR(a.z, b.z, 1e-7) << what;
}

// The justifications in keyword order: Left Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR.
struct justification {
  const char* name;
  OdTextHorzMode horizontal;
  OdTextVertMode vertical;
};
const justification kJustifications[] = {
    {"Left", kTextLeft, kTextBase},   {"Align", kTextAlign, kTextBase},  {"Fit", kTextFit, kTextBase},
    {"Center", kTextCenter, kTextBase}, {"Middle", kTextMid, kTextBase}, {"Right", kTextRight, kTextBase},
    {"TL", kTextLeft, kTextTop},      {"TC", kTextCenter, kTextTop},     {"TR", kTextRight, kTextTop},
    {"ML", kTextLeft, kTextVertMid},  {"MC", kTextCenter, kTextVertMid}, {"MR", kTextRight, kTextVertMid},
    {"BL", kTextLeft, kTextBottom},   {"BC", kTextCenter, kTextBottom},  {"BR", kTextRight, kTextBottom},
};


struct DbText : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  OdDbTextPtr make(const orientation& o) {
    OdDbTextPtr text = OdDbText::createObject();
    text->setTextString(u"Hgx Ay");
    text->setHeight(2.0);
    text->setNormal(o.normal);
    text->setRotation(o.rotation);
    text->setPosition(OdGePoint3d(3.0, -1.0, 0.5));
    db->addEntity(text.get());
    return text;
  }

  // Depth of the descender line and the ink's vertical middle, measured here
  // from the font and the extents query, not through the text object.
  static double descent(const OdDbText& text) {
    const OdGiTextStyle style = text.drawStyle();
    const OdFont* font = style.getFont();
    return font->getBelow() * text.height() / font->capHeight();
  }
  static double ink_middle(const OdDbText& text) {
    OdGiTextStyle style = text.drawStyle();
    OdGiContextForDbDatabasePtr context = OdGiContextForDbDatabase::createObject();
    OdGePoint3d min, max;
    context->textExtentsBox(style, text.textString().c_str(), text.textString().getLength(), 0, min, max);
    return (min.y + max.y) / 2.0;
  }
};

// Fractions along the box's bottom edge (x) and up its left edge in units
// of the text height (y) of the point a justification names.
OdGePoint2d named_point(const justification& j, double descent, double inkMiddle, double height) {
  double x = 0.0;
  if (j.horizontal == kTextCenter || j.horizontal == kTextMid) x = 0.5;
  if (j.horizontal == kTextRight) x = 1.0;
  double y = 0.0;
  if (j.vertical == kTextTop) y = 1.0;
  if (j.vertical == kTextVertMid) y = 0.5;
  if (j.vertical == kTextBottom) y = -descent / height;
  if (j.horizontal == kTextMid) y = inkMiddle / height;
  return {x, y};
}

TEST_F(DbText, EveryJustificationPutsItsNamedPointOnTheAlignmentPoint) {
  const OdGePoint3d target(10.0, 7.0, -2.0);
  for (const orientation& o : kOrientations) {
    for (const justification& j : kJustifications) {
      if (j.horizontal == kTextAlign || j.horizontal == kTextFit) continue;  // tested below
      const std::string what = std::string(o.name) + " " + j.name;
      OdDbTextPtr text = make(o);
      const OdGePoint3d before = text->position();
      text->setHorizontalMode(j.horizontal);
      text->setVerticalMode(j.vertical);
      text->setAlignmentPoint(target);
      text->adjustAlignment(db.get());
      std::array<OdGePoint3d, 4> box;
      text->getBoundingPoints(box);
      if (j.horizontal == kTextLeft && j.vertical == kTextBase) {
        expect_near(text->position(), before, what + ": left/baseline ignores the alignment point");
        continue;
      }
      // Bottom and middle must differ from the baseline, or the check proves nothing.
      ASSERT_GT(descent(*text), 0.1) << what;
      ASSERT_GT(ink_middle(*text), 0.1) << what;
      const OdGePoint2d f = named_point(j, descent(*text), ink_middle(*text), text->height());
      const OdGePoint3d named = box[2] + (box[3] - box[2]) * f.x + (box[0] - box[2]) * f.y;
      expect_near(named, target, what);
      expect_near(box[2], text->position(), what + ": position is the baseline start");
      EXPECT_NEAR((box[3] - box[2]).dotProduct(o.normal), 0.0, kTol) << what << ": box lies in the text plane";
      const OdGeVector3d up = o.normal.crossProduct((box[3] - box[2]).normal());
      EXPECT_NEAR((box[0] - box[2]).dotProduct(up), 2.0, 1e-9) << what << ": up is normal x baseline";
    }
  }
}

TEST_F(DbText, MirroredTextRunsBackwardsAndStillLandsOnItsPoint) {
  OdDbTextPtr text = make(kOrientations[0]);
  text->mirrorInX(true);
  text->setHorizontalMode(kTextRight);
  text->setAlignmentPoint(OdGePoint3d(0.0, 0.0, 0.5));
  text->adjustAlignment(db.get());
  std::array<OdGePoint3d, 4> box;
  text->getBoundingPoints(box);
  EXPECT_LT(box[3].x, box[2].x);  // the baseline runs to -x
  expect_near(box[3], OdGePoint3d(0.0, 0.0, 0.5), "right end on the alignment point");
  EXPECT_GT(text->position().x, 0.0);
}

TEST_F(DbText, FitWithCoincidentPointsAndBadPropertyValuesChangeNothing) {
  OdDbTextPtr text = make(kOrientations[0]);
  text->setHorizontalMode(kTextFit);
  text->setAlignmentPoint(text->position());
  text->adjustAlignment(db.get());
  text->setHorizontalMode(kTextLeft);
  EXPECT_THROW(text->setHeight(0.0), OdError);
  EXPECT_THROW(text->setWidthFactor(-1.0), OdError);
  EXPECT_THROW(text->setNormal(OdGeVector3d()), OdError);
  EXPECT_THROW(text->setHorizontalMode(static_cast<OdTextHorzMode>(6)), OdError);
  EXPECT_THROW(text->setVerticalMode(static_cast<OdTextVertMode>(-1)), OdError);
  EXPECT_DOUBLE_EQ(text->height(), 2.0);
  EXPECT_DOUBLE_EQ(text->widthFactor(), 1.0);
  EXPECT_EQ(text->horizontalMode(), kTextLeft);
}

TEST(DbAttribute, TakesTagFlagsAndTextFromItsDefinition) {
  OdDbAttributeDefinitionPtr def = OdDbAttributeDefinition::createObject();
  EXPECT_THROW(def->setTag(u"TWO WORDS"), OdError);
  EXPECT_THROW(def->setTag(u""), OdError);
  def->setTag(u"ROOM");
  def->setTextString(u"101");
  def->setInvisible(true);
  def->setHorizontalMode(kTextCenter);
  OdDbAttributePtr att = OdDbAttribute::createObject();
  att->setAttributeFromBlock(def.get());
  EXPECT_EQ(att->tag(), OdString(u"ROOM"));
  EXPECT_EQ(att->textString(), OdString(u"101"));
  EXPECT_TRUE(att->isInvisible());
  EXPECT_FALSE(att->isConstant());
  EXPECT_EQ(att->horizontalMode(), kTextCenter);
}

}  // namespace
