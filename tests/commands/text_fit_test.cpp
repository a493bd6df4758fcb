// Text fit geometry the command tests do not reach: the unit length at other
// width factors and fitting on a tilted plane. The fitting cases themselves
// run end to end in textfit_command_test.cpp.
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

TEST(TextFit, UnitLengthIsTheBaselineAtWidthFactorOne) {
  test_drawing d;
  OdDbTextPtr one = d.text(u"Stretch", OdGePoint3d(0.0, 0.0, 0.0));
  OdDbTextPtr wide = d.text(u"Stretch", OdGePoint3d(0.0, 5.0, 0.0));
  wide->setWidthFactor(2.0);
  const auto box = bounding_points(*one);
  EXPECT_NEAR(unit_length(*one), box[3].x - box[2].x, 1e-9);
  EXPECT_NEAR(unit_length(*wide), unit_length(*one), 1e-9);
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

}  // namespace
