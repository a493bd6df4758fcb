// How a script drives commands: unanswered prompts cancel, answers of the
// wrong kind are errors naming their line, and trackers see the cursor.
#include "platform/host/HostEdInputTracker.h"
#include "platform/host/IApp.h"
#include "tests/host/host_fixture.h"

namespace {

using ScriptedFlow = HostFixture;

TEST_F(ScriptedFlow, RealCommandMovesTextsWithAPreview) {
  const OdDbObjectId a = addText(u"alpha", {1, 1, 0});
  const OdDbObjectId b = addText(u"beta", {5, 5, 0});
  const scripted_outcome outcome =
      run("TestShift\nselect handles " + handleOf(a) + " " + handleOf(b) + "\npoint 0,0\npoint @10,-2\n");
  EXPECT_TRUE(outcome.ok());
  EXPECT_EQ(outcome.completed, 1);
  EXPECT_TRUE(positionOf(a).isEqualTo({11, -1, 0}));
  EXPECT_TRUE(positionOf(b).isEqualTo({15, 3, 0}));
  EXPECT_TRUE(transcriptHas("Second point: 10,-2,0\n2 text(s) moved by 10.20\n"));
  EXPECT_EQ(host.temporaryDrawableCount(), 0u);  // the preview left with its tracker
}

TEST_F(ScriptedFlow, TheNextCommandLineLeavesAPromptUnanswered) {
  addText(u"alpha", {1, 1, 0});
  const scripted_outcome outcome = run("TestShift\nselect all\nTestShift\nselect all\npoint 0,0\npoint 1,0\n");
  EXPECT_EQ(outcome.commands, 2);
  EXPECT_EQ(outcome.results, (std::vector<int>{kCmdCancelled, kCmdDone}));
  EXPECT_TRUE(transcriptHas("Base point: *Cancel* (the script has no answer)\nCommand: TestShift\n"));
}

TEST_F(ScriptedFlow, WrongKindOfAnswerIsAnErrorNamingItsLineAndCancels) {
  const OdDbObjectId a = addText(u"alpha", {1, 1, 0});
  const scripted_outcome outcome = run("TestShift\n\n# pick\nselect all\nstring oops\npoint 1,1\n");
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], "test:5: \"Base point\" takes a point, a keyword, enter or esc, not \"string oops\"");
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled});
  EXPECT_TRUE(positionOf(a).isEqualTo({1, 1, 0}));
  // The line after the error belonged to the given-up command: not reported again.
  EXPECT_FALSE(transcriptHas("*Unused*"));
}

TEST_F(ScriptedFlow, AnswersNoPromptTakesAreErrors) {
  setProbeBody([](IHostAppServices&) { return int(kCmdDone); });
  const scripted_outcome outcome = run("point 1,1\nTestProbe\nenter\n");
  ASSERT_EQ(outcome.errors.size(), 2u);
  EXPECT_EQ(outcome.errors[0], "test:1: \"point 1,1\" answers no prompt");
  EXPECT_EQ(outcome.errors[1], "test:3: \"enter\" answers no prompt (TestProbe has ended)");
}

TEST_F(ScriptedFlow, UnreadableScriptRunsNothing) {
  bool ran = false;
  setProbeBody([&](IHostAppServices&) { ran = true; return int(kCmdDone); });
  const scripted_outcome outcome =
      run("TestProbe\npoint 1;2\nselect sideways\nanswer maybe\ndialog a=1\nkeys Ctrl+Nowhere\nmouse hover 1,1\nTwo words\n"
          "snapshot\ntoolbar Bold\nclipboard plain\n");
  EXPECT_FALSE(ran);
  const std::vector<std::string> expected = {
      "test:2: \"1;2\" is not a point X,Y[,Z]",
      "test:3: select takes all, last, handles H1 H2 ... or window X1,Y1 X2,Y2",
      "test:4: answer takes yes, no, ok or cancel",
      "test:5: dialog ends with ok or cancel",
      "test:6: unknown key \"Nowhere\"",
      "test:7: unknown mouse action \"hover\" (move, down, up, click, dblclick, rclick)",
      "test:8: a command is one word; \"Two words\" is not a command or an answer",
      "test:9: needs a file name",
      "test:10: toolbar takes a button's id and maybe a menu command's (ID[:COMMAND], numbers up to 65535)",
      "test:11: takes quoted lines: clipboard \"LINE\" ...",
  };
  EXPECT_EQ(outcome.errors, expected);
}

// A tracker that records the cursor positions it was given.
struct recording_tracker : HostEdPointTracker {
  OdGiDrawablePtr preview;
  std::vector<OdGePoint3d> cursor;
  std::vector<int> attachedWhenTracked;
  int attachments = 0;
  explicit recording_tracker(OdGiDrawable* drawable) : preview(drawable) {}
  int attach(IHostView* view) override {
    ++attachments;
    return view->add(preview.get(), kViewTemporaryMode, kViewTemporaryFlags) ? 2 : 0;
  }
  void detach(IHostView* view) override {
    --attachments;
    view->erase(preview.get());
  }
  void trackPoint(const OdGePoint3d& point) override {
    cursor.push_back(point);
    attachedWhenTracked.push_back(attachments);
  }
};

TEST_F(ScriptedFlow, TrackerSeesMouseMovesAndThePickedPointWhileAttached) {
  OdDbTextPtr previewText = OdDbText::createObject();
  recording_tracker tracker(previewText.get());
  setProbeBody([&](IHostAppServices& s) {
    OdGePoint3d p;
    const int code = s.getPoint(u"End", p, nullptr, &tracker, u"", 4);
    return code == kInputPoint ? int(kCmdDone) : int(kCmdCancelled);
  });
  const scripted_outcome outcome = run("TestProbe\nmouse move 1,1\nmouse move 2,3\npoint 4,5\n");
  EXPECT_TRUE(outcome.ok());
  const std::vector<OdGePoint3d> expected = {{1, 1, 0}, {2, 3, 0}, {4, 5, 0}};
  ASSERT_EQ(tracker.cursor.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_TRUE(tracker.cursor[i].isEqualTo(expected[i])) << i;
  EXPECT_EQ(tracker.attachedWhenTracked, (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(tracker.attachments, 0);
  EXPECT_EQ(host.temporaryDrawableCount(), 0u);
}

// A stand-in for the in-place editor: collects typed characters and ends
// the string input with "^M" on Ctrl+Enter.
struct typing_filter : HostEdMessageFilter {
  IHostAppServices* services = nullptr;
  std::u16string typed;
  std::vector<host_message> seen;
  bool filterMessage(const host_message& message) override {
    seen.push_back(message);
    if (message.message == kMsgChar && message.wParam >= 0x20) typed += char16_t(message.wParam);
    if (message.message == kMsgKeyDown && message.wParam == kVkReturn && (message.modifiers & kModControl))
      services->postCommandString(u"^M");
    if (message.message == kMsgKeyDown && message.wParam == kVkEscape) services->postCommandString(u"^C");
    return true;
  }
};

TEST_F(ScriptedFlow, KeysGoToTheInstalledFilterUntilItEndsTheInput) {
  typing_filter filter;
  int code = 0;
  setProbeBody([&](IHostAppServices& s) {
    filter.services = &s;
    s.addMessageFilter(&filter);
    OdString text;
    code = s.getString(u"Type the text", text, 0);
    s.removeMessageFilter(&filter);
    return int(kCmdDone);
  });
  const scripted_outcome outcome = run("TestProbe\nkeys \"Hi \" Shift+Left\nmouse click 2,2\nkeys \"there\" Ctrl+Enter\n");
  EXPECT_TRUE(outcome.ok()) << (outcome.errors.empty() ? "" : outcome.errors[0]);
  EXPECT_EQ(code, kInputPoint);
  EXPECT_EQ(filter.typed, u"Hi there");
  // Esc cancels through the same path.
  filter.typed.clear();
  run("TestProbe\nkeys \"x\" Esc\n");
  EXPECT_EQ(code, kInputCancel);
}

TEST_F(ScriptedFlow, KeysWithoutAFilterAreAClearError) {
  int code = 0;
  setProbeBody([&](IHostAppServices& s) {
    OdString text;
    code = s.getString(u"Name", text, 0);
    return int(kCmdDone);
  });
  const scripted_outcome outcome = run("TestProbe\nkeys \"abc\"\n");
  EXPECT_EQ(code, kInputCancel);
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], "test:2: \"keys \"abc\"\" needs a message filter, and none is installed");
}

}  // namespace
