// "TextFit" end to end through the scripted host.
#include <cmath>

#include "commands_fixture.h"

namespace {

using TextFitCommand = CommandsFixture;

std::string point_arg(double x, double y) { return std::to_string(x) + "," + std::to_string(y); }

TEST_F(TextFitCommand, EndAtTheBaselineEndKeepsTheWidthFactor) {
  OdDbTextPtr t = d.text(u"Stretch", OdGePoint3d(2.0, 3.0, 0.0));
  t->setWidthFactor(0.75);
  const OdGePoint3d end = bounding_points(*t)[3];
  const scripted_outcome outcome = run("TextFit\nselect handles " + handle(t) + "\npoint " + point_arg(end.x, end.y) + "\n");
  ASSERT_TRUE(outcome.ok()) << host.transcript();
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
  EXPECT_NEAR(t->widthFactor(), 0.75, 1e-6);
  EXPECT_NEAR(t->rotation(), 0.0, 1e-9);
  EXPECT_EQ(host.temporaryDrawableCount(), 0u);
}

TEST_F(TextFitCommand, TwiceTheLengthDoublesTheWidthFactor) {
  OdDbTextPtr t = d.text(u"Stretch", OdGePoint3d(2.0, 3.0, 0.0));
  const double length = bounding_points(*t)[3].x - 2.0;
  ASSERT_TRUE(run("TextFit\nselect handles " + handle(t) + "\npoint " + point_arg(2.0 + 2.0 * length, 3.0) + "\n").ok());
  EXPECT_NEAR(t->widthFactor(), 2.0, 1e-6);
  EXPECT_NEAR(bounding_points(*t)[3].x, 2.0 + 2.0 * length, 1e-6);
  expect_point_near(t->position(), OdGePoint3d(2.0, 3.0, 0.0), 1e-9, "start");
}

TEST_F(TextFitCommand, APointBelowTheStartTurnsTheTextDown) {
  OdDbTextPtr t = d.text(u"Down", OdGePoint3d(2.0, 3.0, 0.0));
  const double unit = bounding_points(*t)[3].x - 2.0;
  ASSERT_TRUE(run("TextFit\nselect handles " + handle(t) + "\npoint 2,-7\n").ok());
  EXPECT_NEAR(t->rotation(), -OdaPI / 2.0, 1e-9);
  EXPECT_NEAR(t->widthFactor(), 10.0 / unit, 1e-6);
  // The baseline now ends at the picked point.
  expect_point_near(bounding_points(*t)[3], OdGePoint3d(2.0, -7.0, 0.0), 1e-6, "end");
}

TEST_F(TextFitCommand, ARightJustifiedTextStaysRightJustified) {
  OdDbTextPtr t = d.justified_text(u"Right", OdGePoint3d(30.0, 0.0, 0.0), kTextRight, kTextBase);
  const OdGePoint3d start = bounding_points(*t)[2];
  const double length = 30.0 - start.x;
  ASSERT_TRUE(run("TextFit\nselect all\npoint " + point_arg(start.x + 3.0 * length, 0.0) + "\n").ok());
  EXPECT_EQ(t->horizontalMode(), kTextRight);
  EXPECT_NEAR(t->widthFactor(), 3.0, 1e-6);
  expect_point_near(bounding_points(*t)[2], start, 1e-6, "start");
  expect_point_near(t->alignmentPoint(), OdGePoint3d(start.x + 3.0 * length, 0.0, 0.0), 1e-6, "alignment point");
}

TEST_F(TextFitCommand, TheStartPointAsEndIsRefusedAndThePromptRepeats) {
  OdDbTextPtr t = d.text(u"Zero", OdGePoint3d(2.0, 3.0, 0.0));
  const double length = bounding_points(*t)[3].x - 2.0;
  const scripted_outcome outcome =
      run("TextFit\nselect all\npoint 2,3\npoint " + point_arg(2.0 + length / 2.0, 3.0) + "\n");
  ASSERT_TRUE(outcome.ok()) << host.transcript();
  EXPECT_TRUE(transcriptHas("The distance between the two points must be nonzero.\nSpecify ending point"))
      << host.transcript();
  EXPECT_NEAR(t->widthFactor(), 0.5, 1e-6);
}

TEST_F(TextFitCommand, StartPointKeywordMovesTheStart) {
  OdDbTextPtr t = d.text(u"Moved", OdGePoint3d(2.0, 3.0, 0.0));
  const double unit = bounding_points(*t)[3].x - 2.0;
  ASSERT_TRUE(run("TextFit\nselect all\nkeyword S\npoint 10,0\npoint " + point_arg(10.0 + unit, unit) + "\n").ok())
      << host.transcript();
  EXPECT_TRUE(transcriptHas("Specify new starting point"));
  expect_point_near(t->position(), OdGePoint3d(10.0, 0.0, 0.0), 1e-9, "start");
  EXPECT_NEAR(t->rotation(), OdaPI / 4.0, 1e-9);
  EXPECT_NEAR(t->widthFactor(), std::sqrt(2.0), 1e-6);
}

TEST_F(TextFitCommand, AnMTextIsNotATextAndThePromptRepeats) {
  OdDbMTextPtr m = d.mtext(u"Not me", OdGePoint3d(0.0, 20.0, 0.0));
  OdDbTextPtr t = d.text(u"Me", OdGePoint3d(0.0, 0.0, 0.0));
  const scripted_outcome outcome =
      run("TextFit\nselect handles " + handle(m) + "\nselect handles " + handle(t) + "\npoint 20,0\n");
  ASSERT_TRUE(outcome.ok()) << host.transcript();
  EXPECT_TRUE(transcriptHas("Selected object is not a Text!\nSelect Text to stretch or shrink")) << host.transcript();
  EXPECT_GT(t->widthFactor(), 1.0);
}

TEST_F(TextFitCommand, TwoObjectsEndTheCommand) {
  d.text(u"One", OdGePoint3d(0.0, 0.0, 0.0));
  d.text(u"Two", OdGePoint3d(0.0, 5.0, 0.0));
  const std::string before = describe();
  EXPECT_EQ(run("TextFit\nselect all\n").results, std::vector<int>{kCmdCancelled});
  EXPECT_EQ(describe(), before);
}

TEST_F(TextFitCommand, CancelAtEveryPromptLeavesTheDrawing) {
  d.justified_text(u"Stay", OdGePoint3d(10.0, 2.0, 0.0), kTextCenter, kTextVertMid);
  expect_cancel_anywhere_changes_nothing("TextFit", {"select all", "point 40,2"});
  expect_cancel_anywhere_changes_nothing("TextFit", {"select all", "keyword S", "point 0,0", "point 40,2"});
}

}  // namespace
