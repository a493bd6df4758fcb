// The TextFit preview: what it adds to the view and how it follows the cursor.
#include <vector>

#include "commands/text_commands.h"
#include "commands/text_justify.h"
#include "test_drawing.h"

namespace {

struct recording_view : IHostView {
  struct added {
    OdGiDrawable* drawable;
    int mode;
    int flags;
  };
  std::vector<added> drawables;
  int updates = 0;
  bool add(OdGiDrawable* d, int mode, int flags) override {
    drawables.push_back({d, mode, flags});
    return true;
  }
  bool erase(OdGiDrawable* d) override {
    for (auto it = drawables.begin(); it != drawables.end(); ++it)
      if (it->drawable == d) {
        drawables.erase(it);
        return true;
      }
    return false;
  }
  void update() override { ++updates; }
};

TEST(TextFitTracker, AddsALeftJustifiedCloneAndFollowsMouseMovesOnly) {
  test_drawing d;
  OdDbTextPtr t = d.justified_text(u"Preview", OdGePoint3d(20.0, 5.0, 0.0), kTextRight, kTextTop);
  const std::string before = t->textString().toUtf8();
  const auto box = bounding_points(*t);
  TextFitTracker tracker(*t);
  // The clone starts where the Text's baseline starts, left/baseline justified.
  EXPECT_TRUE(isDefaultTextAlignment(OdDbTextPtr(&tracker.preview())));
  expect_point_near(tracker.preview().position(), box[2], 1e-9, "clone start");

  recording_view view;
  EXPECT_EQ(tracker.attach(&view), 1);
  ASSERT_EQ(view.drawables.size(), 1u);
  EXPECT_EQ(view.drawables[0].drawable, &tracker.preview());
  EXPECT_EQ(view.drawables[0].mode, 1);
  EXPECT_EQ(view.drawables[0].flags, 0x300);

  const double unit = tracker.frame().unit_length;
  const OdGePoint3d up = box[2] + OdGeVector3d(0.0, 3.0 * unit, 0.0);
  EXPECT_FALSE(tracker.filterMessage(host_message{kMsgLButtonDown, 0, 0, 0, up}));
  EXPECT_NEAR(tracker.preview().rotation(), 0.0, 1e-12);  // a click is not a move
  tracker.filterMessage(host_message{kMsgMouseMove, 0, 0, 0, up});
  EXPECT_NEAR(tracker.preview().rotation(), OdaPI / 2.0, 1e-12);
  EXPECT_NEAR(tracker.preview().widthFactor(), 3.0, 1e-9);
  EXPECT_GT(view.updates, 0);
  // The cursor on the start point leaves the preview as it was.
  tracker.filterMessage(host_message{kMsgMouseMove, 0, 0, 0, box[2]});
  EXPECT_NEAR(tracker.preview().widthFactor(), 3.0, 1e-9);

  tracker.detach(&view);
  EXPECT_TRUE(view.drawables.empty());
  // The drawing's Text is untouched by the preview.
  EXPECT_EQ(t->horizontalMode(), kTextRight);
  EXPECT_NEAR(t->widthFactor(), 1.0, 1e-12);
  expect_same_box(box, bounding_points(*t), 1e-12, "text");
}

}  // namespace
