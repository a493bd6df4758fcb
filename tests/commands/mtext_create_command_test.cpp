// "MTextCreate" end to end: two corners over the preview, typing in the
// editor, and the new MText appended only when it was saved.
#include "commands_fixture.h"
#include "commands/mtext_commands.h"
#include "mtext/escape.h"
#include "platform/host/HostModule.h"
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

// The entry points other modules create and edit texts with, run as a command
// whose result is what the entry point answered (true: 0, false: 1) or the
// edit code it gave; `made` keeps the text they worked on.
OdDbMTextPtr made;
int entry_point = 0;

struct CEntryPointCmd : HostCmdProcessBase {
  int execute() override {
    IHostAppServices* host = hostAppServices();
    const double width = 30.0;
    bool cancelled = false;
    made = OdDbMText::createObject();
    switch (entry_point) {
      case 0: return newMTextAtt(host->currentDatabase(), host, OdDbObjectId(), &width, &cancelled, nullptr, &made) ? 0 : 1 + cancelled;
      case 1: {
        made->setDatabaseDefaults(host->currentDatabase());
        made->setContents(u"given");
        return newMTextEmbedded(made, host, nullptr, OdDbObjectId(), true, OdGePoint3d(2, 3, 0), &width, 4.0, true,
                                &cancelled, &made) ? 0 : 1 + cancelled;
      }
      default: {
        made->setDatabaseDefaults(host->currentDatabase());
        made->setContents(u"cell");
        double height = 0.0;
        const int code = editMTextCell(made.get(), host, {}, mtext_cell{12.0}, nullptr, &height);
        return height > 0.0 ? code : -1;
      }
    }
  }
};
const host_command_registration entry_registration{u"TestEntryPoint", &hostCreateCommand<CEntryPointCmd>};

TEST_F(MTextCreate, EntryPointsCreateWithTheWidthGivenAndAnswerTheirCodes) {
  const struct {
    int entry;
    const char* answers;
    int result;
    const char* contents;
    OdGePoint3d location;
    double width, height;
  } rows[] = {
      {0, "point 5,5\nkeys \"att\" Ctrl+Enter\n", 0, "att", {5, 5, 0}, 30.0, 2.5},
      {0, "esc\n", 2, nullptr, {}, 0, 0},  // cancelled at the corner
      {1, "keys \"emb\" Ctrl+Enter\n", 0, "emb", {2, 3, 0}, 30.0, 4.0},
      {1, "keys \"x\" Esc\nanswer no\n", 2, "given", {2, 3, 0}, 30.0, 4.0},  // not created: as given
      {2, "keys \"a\" Ctrl+Enter\n", kEditAccepted, "acell", {0, 0, 0}, 12.0, 2.5},
      {2, "keys \"a\" Esc\nanswer yes\n", kEditSavedOnCancel, "acell", {0, 0, 0}, 12.0, 2.5},
      {2, "keys Esc\n", kEditCancelled, "cell", {0, 0, 0}, 0.0, 2.5},
  };
  for (const auto& row : rows) {
    entry_point = row.entry;
    const std::string before = describe();
    const scripted_outcome outcome = run(std::string("TestEntryPoint\n") + row.answers);
    EXPECT_TRUE(outcome.errors.empty()) << host.transcript();
    EXPECT_EQ(outcome.results, std::vector<int>{row.result}) << row.entry << " " << row.answers << host.transcript();
    EXPECT_EQ(describe(), before) << "nothing is appended";
    if (!row.contents) continue;
    EXPECT_EQ(OdString(mtext::deEscapeMtextContent(made->contents().c_str())).toUtf8(), row.contents) << row.answers;
    expect_point_near(made->location(), row.location, 1e-9, row.answers);
    EXPECT_DOUBLE_EQ(made->width(), row.width) << row.answers;
    EXPECT_DOUBLE_EQ(made->textHeight(), row.height) << row.answers;
  }
  made = nullptr;
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
