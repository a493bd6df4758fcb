// "MTextCreate" end to end: two corners over the preview, typing in the
// editor, and the new MText appended only when it was saved.
#include "commands_fixture.h"
#include "commands/mtext_commands.h"
#include "mtext/escape.h"
#include "platform/host/scripted_host_impl.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

namespace {

struct MTextCreate : CommandsFixture {
  // The MTexts of model space, in order.
  std::vector<OdDbMTextPtr> mtexts() const {
    std::vector<OdDbMTextPtr> found;
    OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(d.db->getModelSpaceId().openObject().get());
    for (const OdDbObjectId& id : space->entityIds())
      if (OdDbObjectPtr o = id.openObject(); !o.isNull() && o->isKindOf(OdDbMText::desc())) found.push_back(OdDbMText::cast(o.get()));
    return found;
  }
};

struct corners_row {
  const char* first;
  const char* second;
  OdGePoint3d top_left;
  double width;
};

TEST_F(MTextCreate, TheCornersGiveTheTopLeftAndTheWidth) {
  const corners_row rows[] = {
      {"10,50", "70,40", {10.0, 50.0, 0.0}, 60.0},
      {"70,40", "10,50", {10.0, 50.0, 0.0}, 60.0},
      {"0,0", "@25,-8", {0.0, 0.0, 0.0}, 25.0},
  };
  for (const corners_row& row : rows) {
    const std::size_t before = mtexts().size();
    const scripted_outcome outcome = run(std::string("MTextCreate\npoint ") + row.first + "\npoint " + row.second +
                                         "\nkeys \"New {text}\" Ctrl+Enter\n");
    ASSERT_TRUE(outcome.ok()) << host.transcript();
    ASSERT_EQ(mtexts().size(), before + 1) << row.first;
    const OdDbMTextPtr made = mtexts().back();
    expect_point_near(made->location(), row.top_left, 1e-9, row.first);
    EXPECT_DOUBLE_EQ(made->width(), row.width) << row.first;
    EXPECT_EQ(made->attachment(), OdDbMText::kTopLeft);
    EXPECT_EQ(OdString(mtext::deEscapeMtextContent(made->contents().c_str())).toUtf8(), "New {text}");
  }
}

TEST_F(MTextCreate, NothingIsAppendedUnlessSaved) {
  const char* endings[] = {"esc\n", "point 1,1\nesc\n", "point 1,1\npoint 9,-9\nkeys Esc\n",
                           "point 1,1\npoint 9,-9\nkeys \"a\"\nkeys Esc\nanswer no\n"};
  for (const char* ending : endings) {
    const std::string before = describe();
    const scripted_outcome outcome = run(std::string("MTextCreate\n") + ending);
    EXPECT_TRUE(outcome.errors.empty()) << ending << host.transcript();
    EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled}) << ending;
    EXPECT_EQ(describe(), before) << ending;
  }
}

struct height_row {
  double textsize, style_size, dimscale, height;
};

TEST_F(MTextCreate, TheHeightComesFromTextsizeOrTheStyleScaledByDimscale) {
  const height_row rows[] = {{3.0, 0.0, 1.0, 3.0}, {0.0, 0.0, 1.0, 2.5}, {3.0, 5.0, 2.0, 10.0}, {3.0, 5.0, 0.0, 5.0}};
  for (const height_row& row : rows) {
    d.db->setTEXTSIZE(row.textsize);
    d.db->setSysVar(u"DIMSCALE", OdResBuf::real(row.dimscale));
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecordPtr(d.db->getTEXTSTYLE().openObject(OdDb::kForWrite));
    style->setTextSize(row.style_size);
    ASSERT_TRUE(run("MTextCreate\npoint 0,0\npoint 10,-5\nkeys \"h\" Ctrl+Enter\n").ok()) << host.transcript();
    EXPECT_DOUBLE_EQ(mtexts().back()->textHeight(), row.height) << row.textsize << " " << row.style_size;
    EXPECT_DOUBLE_EQ(d.db->getTEXTSIZE(), row.height);
  }
}

TEST_F(MTextCreate, ThePreviewShowsABCInTheRubberBand) {
  scripted_view view;
  MTPreviewTracker tracker(OdDbMText::createObject());
  tracker.attach(&view);
  tracker.setCorner(OdGePoint3d(0.0, 0.0, 0.0));
  tracker.filterMessage(host_message{kMsgMouseMove, 0, 0, 0, OdGePoint3d(10.0, -5.0, 0.0)});
  EXPECT_EQ(tracker.mtext()->contents().toUtf8(), "ABC");
  EXPECT_EQ(view.drawables.size(), 2u);
  const std::vector<OdGePoint3d> expected = {{0, 0, 0}, {10, 0, 0}, {10, -5, 0}, {0, -5, 0}};
  const std::vector<OdGePoint3d> frame = tracker.frameVertices();
  ASSERT_EQ(frame.size(), expected.size());
  for (std::size_t i = 0; i < frame.size(); ++i) expect_point_near(frame[i], expected[i], 1e-12, "vertex");
  tracker.detach(&view);
  EXPECT_TRUE(view.drawables.empty());
}

}  // namespace
