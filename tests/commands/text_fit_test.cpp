// Text fit geometry: the preview's unit length, rotation and width factor
// from an end point, and applying it with the justification kept.
#include <gtest/gtest.h>

#include <cmath>

#include "commands/text_fit.h"
#include "commands/text_justify.h"
#include "test_drawing.h"

namespace {

using namespace text_fit;

// The preview as the command makes it: a copy made left/baseline.
OdDbTextPtr preview_of(const OdDbText& text) {
  OdDbTextPtr clone = copy_text(text);
  ApplyTextJustify(clone, kTextLeft, kTextBase);
  return clone;
}

// Moves the preview to the end point as the tracker does.
void track(OdDbText& preview, const frame& f, const OdGePoint3d& end) {
  const auto fitted = fit_to(f, end);
  ASSERT_TRUE(fitted.has_value());
  preview.setRotation(fitted->rotation);
  preview.setWidthFactor(fitted->width_factor);
}

TEST(TextFit, UnitLengthIsTheBaselineAtWidthFactorOne) {
  test_drawing d;
  OdDbTextPtr one = d.text(u"Stretch", OdGePoint3d(0.0, 0.0, 0.0));
  OdDbTextPtr wide = d.text(u"Stretch", OdGePoint3d(0.0, 5.0, 0.0));
  wide->setWidthFactor(2.0);
  const auto box = bounding_points(*one);
  EXPECT_NEAR(unit_length(*one), box[3].x - box[2].x, 1e-9);
  EXPECT_NEAR(unit_length(*wide), unit_length(*one), 1e-9);
}

TEST(TextFit, EndAtTheBaselineEndKeepsTheWidthFactor) {
  test_drawing d;
  OdDbTextPtr t = d.text(u"Fit me", OdGePoint3d(2.0, 3.0, 0.0));
  t->setWidthFactor(0.8);
  const frame f = frame_of(*preview_of(*t));
  const auto fitted = fit_to(f, bounding_points(*t)[3]);
  ASSERT_TRUE(fitted.has_value());
  EXPECT_NEAR(fitted->width_factor, 0.8, 1e-9);
  EXPECT_NEAR(fitted->rotation, 0.0, 1e-12);
}

TEST(TextFit, TwiceTheLengthDoublesTheWidthFactor) {
  test_drawing d;
  OdDbTextPtr t = d.text(u"Fit me", OdGePoint3d(2.0, 3.0, 0.0));
  const frame f = frame_of(*preview_of(*t));
  const double length = bounding_points(*t)[3].x - 2.0;
  const auto fitted = fit_to(f, OdGePoint3d(2.0 + 2.0 * length, 3.0, 0.0));
  ASSERT_TRUE(fitted.has_value());
  EXPECT_NEAR(fitted->width_factor, 2.0, 1e-9);
}

TEST(TextFit, APointBelowTheStartTurnsTheTextTowardsIt) {
  test_drawing d;
  OdDbTextPtr t = d.text(u"Down", OdGePoint3d(2.0, 3.0, 0.0));
  const frame f = frame_of(*preview_of(*t));
  const auto fitted = fit_to(f, OdGePoint3d(2.0, -7.0, 0.0));
  ASSERT_TRUE(fitted.has_value());
  EXPECT_NEAR(fitted->rotation, -OdaPI / 2.0, 1e-12);
  EXPECT_NEAR(fitted->width_factor, 10.0 / f.unit_length, 1e-9);
}

TEST(TextFit, TheStartPointItselfIsRefused) {
  test_drawing d;
  OdDbTextPtr t = d.text(u"Zero", OdGePoint3d(2.0, 3.0, 0.0));
  EXPECT_FALSE(fit_to(frame_of(*t), OdGePoint3d(2.0, 3.0, 0.0)).has_value());
}

TEST(TextFit, OnATiltedPlaneTheRotationIsInThePlane) {
  test_drawing d;
  const OdGeVector3d normal = OdGeVector3d(0.3, -0.2, 1.0).normal();
  OdDbTextPtr t = d.text(u"Tilted", OdGePoint3d(1.0, 1.0, 0.0), 2.0, 0.7, normal);
  const frame f = frame_of(*preview_of(*t));
  // The end of its own baseline: rotation and width factor stay.
  const auto fitted = fit_to(f, bounding_points(*t)[3]);
  ASSERT_TRUE(fitted.has_value());
  EXPECT_NEAR(fitted->rotation, 0.7, 1e-9);
  EXPECT_NEAR(fitted->width_factor, 1.0, 1e-9);
}

TEST(TextFit, ARightJustifiedTextStaysRightJustified) {
  test_drawing d;
  OdDbTextPtr t = d.justified_text(u"Right", OdGePoint3d(30.0, 0.0, 0.0), kTextRight, kTextBase);
  const OdGePoint3d start = bounding_points(*t)[2];
  OdDbTextPtr preview = preview_of(*t);
  const frame f = frame_of(*preview);
  const double length = bounding_points(*t)[3].x - start.x;
  track(*preview, f, OdGePoint3d(start.x + 2.0 * length, start.y, 0.0));
  apply(*t, *preview);
  EXPECT_EQ(t->horizontalMode(), kTextRight);
  EXPECT_EQ(t->verticalMode(), kTextBase);
  EXPECT_NEAR(t->widthFactor(), 2.0, 1e-9);
  const auto box = bounding_points(*t);
  expect_point_near(box[2], start, 1e-9, "start");
  // The alignment point of a right-justified Text is the baseline's right end.
  expect_point_near(t->alignmentPoint(), box[3], 1e-9, "alignment point");
  EXPECT_NEAR(box[3].x, start.x + 2.0 * length, 1e-9);
}

}  // namespace
