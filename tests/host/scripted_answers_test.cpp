// Every kind of script answer, as the command receives it and as the
// transcript shows it.
#include "platform/host/HostEdInputTracker.h"
#include "platform/host/IApp.h"
#include "platform/host/host_printf.h"
#include "tests/host/host_fixture.h"

namespace {

using ScriptedAnswers = HostFixture;

TEST_F(ScriptedAnswers, EnterAndEscAtPointStringAndSelectionPrompts) {
  std::vector<int> codes;
  std::vector<host_selection_result> selections;
  setProbeBody([&](IHostAppServices& s) {
    OdGePoint3d p;
    OdString text = u"unchanged";
    std::vector<OdDbObjectId> ids;
    for (const char16_t* prompt : {u"First", u"Second"}) codes.push_back(s.getPoint(prompt, p, nullptr, nullptr, u"", 0));
    codes.push_back(s.getString(u"Text", text, 0));
    EXPECT_EQ(text, OdString()) << "enter gives an empty string";
    codes.push_back(s.getString(u"Text", text, 0));
    for (int i = 0; i < 2; ++i) selections.push_back(s.selectObjects(u"Select", 0, ids));
    return int(kCmdCancelled);
  });
  run("TestProbe\nenter\nesc\nenter\nesc\nenter\nesc\n");
  EXPECT_EQ(codes, (std::vector<int>{kInputNone, kInputCancel, kInputNone, kInputCancel}));
  EXPECT_EQ(selections, (std::vector<host_selection_result>{host_selection_result::none, host_selection_result::cancelled}));
  EXPECT_TRUE(transcriptHas("First: <Enter>\nSecond: *Cancel*\n"));
}

TEST_F(ScriptedAnswers, KeywordOutsideTheListIsAScriptErrorNamingItsLine) {
  int code = 0;
  setProbeBody([&](IHostAppServices& s) {
    OdGePoint3d p;
    code = s.getPoint(u"Specify ending point", p, nullptr, nullptr, u"\"Start point\" *S", 0);
    return code == kInputCancel ? int(kCmdCancelled) : int(kCmdDone);
  });
  const scripted_outcome outcome = run("TestProbe\n# the keyword is misspelt\nkeyword Stop\n");
  EXPECT_EQ(code, kInputCancel);
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], "test:3: \"Stop\" is not one of Start point");
  // The alias and the quoted name both answer position 0.
  for (const char* typed : {"S", "\"start point\""}) {
    run(std::string("TestProbe\nkeyword ") + typed + "\n");
    EXPECT_EQ(code, kInputKeyword) << typed;
  }
}

// The answers commands take every day (points, keywords, handles, all) are
// tested through those commands (tests/commands); the rest here.
TEST_F(ScriptedAnswers, LastAndWindowSelectionsMessageBoxesAndSystemVariables) {
  const OdDbObjectId a = addText(u"alpha", {0, 0, 0});
  addText(u"beta", {100, 0, 0});
  const OdDbObjectId c = addText(u"gamma", {0, 50, 0});
  std::vector<OdDbObjectId> got;
  std::vector<int> boxes;
  setProbeBody([&](IHostAppServices& s) {
    s.selectObjects(u"Select objects", 0, got);
    for (int buttons : {kMbOkCancel, kMbOk}) boxes.push_back(Get_IEvents()->messageBox(u"Go on?", u"", buttons));
    s.setSysVar(u"TEXTSIZE", OdResBuf::real(s.getSysVar(u"TEXTSIZE").getDouble() * 2 + 1));
    return int(kCmdDone);
  });
  db->setTEXTSIZE(2.5);
  EXPECT_TRUE(run("TestProbe\nselect last\nanswer cancel\nanswer ok\n").ok());
  EXPECT_EQ(got, std::vector<OdDbObjectId>{c});
  EXPECT_EQ(boxes, (std::vector<int>{IDCANCEL, IDOK}));
  EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 6.0);
  EXPECT_TRUE(transcriptHas("Message box: Go on? [ok/cancel]: cancel\n"));
  // A window takes what lies wholly inside it, whichever corner comes first.
  run("TestProbe\nselect window 40,60 -1,-1\nanswer ok\nanswer ok\n");
  EXPECT_EQ(got, (std::vector<OdDbObjectId>{a, c}));
  run("TestProbe\nselect window -1,-1 1,10\nanswer ok\nanswer ok\n");
  EXPECT_TRUE(got.empty()) << "a window that cuts through a text's box does not take it";
}

TEST_F(ScriptedAnswers, SelectionLeavesOutLockedLayersAndRefusesUnknownHandles) {
  const OdDbObjectId open = addText(u"open", {0, 0, 0});
  const OdDbObjectId locked = addText(u"locked", {0, 10, 0});
  addLockedLayer(u"frozen-in-place");
  {
    OdDbTextPtr text = locked.safeOpenObject(OdDb::kForWrite);
    text->setLayer(u"frozen-in-place");
  }
  std::vector<OdDbObjectId> got;
  host_selection_result result{};
  setProbeBody([&](IHostAppServices& s) {
    result = s.selectObjects(u"Select objects", 0, got);
    return result == host_selection_result::cancelled ? int(kCmdCancelled) : int(kCmdDone);
  });
  run("TestProbe\nselect all\n");
  EXPECT_EQ(got, std::vector<OdDbObjectId>{open});
  EXPECT_TRUE(transcriptHas("2 found\n1 was on a locked layer.\n"));

  const scripted_outcome outcome = run("TestProbe\nselect handles FFFF\n");
  EXPECT_EQ(result, host_selection_result::cancelled);
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], "test:2: no object with handle FFFF");
  // The layer table is an object, not an entity.
  const scripted_outcome table = run("TestProbe\nselect handles " + handleOf(db->getLayerTableId()) + "\n");
  ASSERT_EQ(table.errors.size(), 1u);
  EXPECT_NE(table.errors[0].find("is not an entity"), std::string::npos);
}

TEST_F(ScriptedAnswers, MessageBoxRefusesAnAnswerItDoesNotOffer) {
  int got = 0;
  setProbeBody([&](IHostAppServices&) {
    got = Get_IEvents()->messageBox(u"Replace?", u"", kMbYesNo);
    return int(kCmdDone);
  });
  const scripted_outcome outcome = run("TestProbe\nanswer cancel\n");
  EXPECT_EQ(got, IDNO);  // a yes/no box closed without a choice says no
  ASSERT_EQ(outcome.errors.size(), 1u);
  EXPECT_EQ(outcome.errors[0], "test:2: the message box offers yes/no, not cancel");
}

TEST_F(ScriptedAnswers, MessagesAreFormattedIntoTheTranscript) {
  setProbeBody([&](IHostAppServices&) {
    hostPrintf(u"%s", u"Selected object is not a Text!");
    hostPrintf(u"%d of %d, %.1f%%", 3, 4, 75.0);
    return int(kCmdDone);
  });
  run("TestProbe\n");
  EXPECT_EQ(host.transcript(), "Command: TestProbe\nSelected object is not a Text!\n3 of 4, 75.0%\n");
}

}  // namespace
