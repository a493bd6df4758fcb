// Every kind of script answer, as the command receives it and as the
// transcript shows it.
#include "platform/host/HostEdInputTracker.h"
#include "platform/host/IApp.h"
#include "platform/host/host_printf.h"
#include "tests/host/host_fixture.h"

namespace {

using ScriptedAnswers = HostFixture;

struct point_case {
  const char* answer;
  bool withBase;
  OdGePoint3d expected;
};

TEST_F(ScriptedAnswers, PointsAbsoluteAndRelativeToTheBasePoint) {
  const point_case cases[] = {
      {"point -1.5,2e1,3", false, {-1.5, 20, 3}},
      {"POINT @0,-5,1", true, {10, 15, 1}},  // from the base point (10,20)
  };
  for (const point_case& c : cases) {
    OdGePoint3d got;
    int code = 0;
    setProbeBody([&](IHostAppServices& s) {
      const OdGePoint3d base(10, 20, 0);
      code = s.getPoint(u"Pick", got, c.withBase ? &base : nullptr, nullptr, u"", 0);
      return int(kCmdDone);
    });
    const scripted_outcome outcome = run(std::string("TestProbe\n") + c.answer + "\n");
    EXPECT_TRUE(outcome.ok()) << c.answer;
    EXPECT_EQ(code, kInputPoint) << c.answer;
    EXPECT_TRUE(got.isEqualTo(c.expected)) << c.answer << " gave " << got.x << "," << got.y << "," << got.z;
  }
}

TEST_F(ScriptedAnswers, EnterAndEscAtAPointPrompt) {
  std::vector<int> codes;
  setProbeBody([&](IHostAppServices& s) {
    OdGePoint3d p;
    codes.push_back(s.getPoint(u"First", p, nullptr, nullptr, u"", 0));
    codes.push_back(s.getPoint(u"Second", p, nullptr, nullptr, u"", 0));
    return int(kCmdCancelled);
  });
  run("TestProbe\nenter\nesc\n");
  EXPECT_EQ(codes, (std::vector<int>{kInputNone, kInputCancel}));
  EXPECT_TRUE(transcriptHas("First: <Enter>\nSecond: *Cancel*\n"));
}

TEST_F(ScriptedAnswers, KeywordsAnswerTwoPlusTheirLocalPosition) {
  const char16_t* list = u"Left Align Fit Center _ Left Align Fit Center";
  struct keyword_case {
    const char* typed;
    int position;
  } cases[] = {{"fit", 2}, {"Al", 1}, {"_Center", 3}};
  for (const keyword_case& c : cases) {
    int code = 0;
    setProbeBody([&](IHostAppServices& s) {
      OdGePoint3d p;
      code = s.getPoint(u"Justify [%s]", p, nullptr, nullptr, list, 0);
      return int(kCmdDone);
    });
    run(std::string("TestProbe\nkeyword ") + c.typed + "\n");
    EXPECT_EQ(code, kInputKeyword + c.position) << c.typed;
  }
  EXPECT_TRUE(transcriptHas("Justify [Left/Align/Fit/Center]: Center\n"));
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

TEST_F(ScriptedAnswers, StringsEnterAndEsc) {
  std::vector<std::pair<int, OdString>> got;
  setProbeBody([&](IHostAppServices& s) {
    for (int i = 0; i < 4; ++i) {
      OdString text = u"unchanged";
      const int code = s.getString(u"Text", text, 0);
      got.emplace_back(code, text);
      if (code == kInputCancel) break;
    }
    return int(kCmdDone);
  });
  run("TestProbe\nstring Hello, world\nstring \"  padded  \"\nenter\nesc\n");
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0], std::make_pair(int(kInputPoint), OdString(u"Hello, world")));
  EXPECT_EQ(got[1], std::make_pair(int(kInputPoint), OdString(u"  padded  ")));
  EXPECT_EQ(got[2], std::make_pair(int(kInputNone), OdString()));
  EXPECT_EQ(got[3].first, kInputCancel);
}

TEST_F(ScriptedAnswers, SelectionsByHandleWindowAllAndLast) {
  const OdDbObjectId a = addText(u"alpha", {0, 0, 0});
  const OdDbObjectId b = addText(u"beta", {100, 0, 0});
  const OdDbObjectId c = addText(u"gamma", {0, 50, 0});
  std::vector<OdDbObjectId> got;
  host_selection_result result{};
  setProbeBody([&](IHostAppServices& s) {
    result = s.selectObjects(u"Select objects", 0, got);
    return int(kCmdDone);
  });
  struct selection_case {
    std::string answer;
    std::vector<OdDbObjectId> expected;
  } cases[] = {
      {"select all", {a, b, c}},
      {"select last", {c}},
      {"select handles " + handleOf(c) + " " + handleOf(a), {c, a}},
      // The window holds alpha's whole box and only part of nothing else.
      {"select window -1,-1 40,10", {a}},
      {"select window 40,60 -1,-1", {a, c}},
  };
  for (const selection_case& sc : cases) {
    const scripted_outcome outcome = run("TestProbe\n" + sc.answer + "\n");
    EXPECT_TRUE(outcome.ok()) << sc.answer;
    EXPECT_EQ(result, host_selection_result::accepted) << sc.answer;
    EXPECT_EQ(got, sc.expected) << sc.answer;
  }
  EXPECT_TRUE(transcriptHas("Select objects: all\n3 found\n"));
  // A window that cuts through a text's box does not take it.
  run("TestProbe\nselect window -1,-1 1,10\n");
  EXPECT_EQ(result, host_selection_result::none);
  EXPECT_TRUE(got.empty());
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

TEST_F(ScriptedAnswers, EnterAndEscAtASelectionPrompt) {
  std::vector<host_selection_result> results;
  setProbeBody([&](IHostAppServices& s) {
    std::vector<OdDbObjectId> ids;
    results.push_back(s.selectObjects(u"Select", 0, ids));
    results.push_back(s.selectObjects(u"Select", 0, ids));
    return int(kCmdDone);
  });
  run("TestProbe\nenter\nesc\n");
  EXPECT_EQ(results, (std::vector<host_selection_result>{host_selection_result::none, host_selection_result::cancelled}));
}

TEST_F(ScriptedAnswers, MessageBoxAnswersByButtons) {
  struct box_case {
    int buttons;
    const char* answer;
    int expected;
  } cases[] = {
      {kMbYesNoCancel, "answer yes", IDYES},   {kMbYesNoCancel, "answer no", IDNO},
      {kMbYesNoCancel, "answer cancel", IDCANCEL}, {kMbOkCancel, "answer ok", IDOK},
      {kMbYesNo | kMbIconQuestion, "answer NO", IDNO}, {kMbOk, "answer ok", IDOK},
  };
  for (const box_case& c : cases) {
    int got = 0;
    setProbeBody([&](IHostAppServices&) {
      got = Get_IEvents()->messageBox(u"Do you want to save your changes?", u"", c.buttons);
      return int(kCmdDone);
    });
    const scripted_outcome outcome = run(std::string("TestProbe\n") + c.answer + "\n");
    EXPECT_TRUE(outcome.ok()) << c.answer;
    EXPECT_EQ(got, c.expected) << c.answer << " buttons " << c.buttons;
  }
  EXPECT_TRUE(transcriptHas("Message box: Do you want to save your changes? [yes/no/cancel]: yes\n"));
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

TEST_F(ScriptedAnswers, HelpTopicsAreRecorded) {
  setProbeBody([&](IHostAppServices&) {
    Get_IHelpService()->showHelp(u"IDH_MTextCreate");
    return int(kCmdDone);
  });
  run("TestProbe\n");
  EXPECT_EQ(host.helpTopicsShown(), std::vector<OdString>{u"IDH_MTextCreate"});
  EXPECT_TRUE(transcriptHas("Help: IDH_MTextCreate\n"));
}

TEST_F(ScriptedAnswers, SystemVariablesReadAndWriteTheDrawing) {
  setProbeBody([&](IHostAppServices& s) {
    const double size = s.getSysVar(u"TEXTSIZE").getDouble();
    s.setSysVar(u"TEXTSIZE", OdResBuf::real(size * 2 + 1));
    return int(kCmdDone);
  });
  db->setTEXTSIZE(2.5);
  run("TestProbe\n");
  EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 6.0);
}

TEST_F(ScriptedAnswers, PickfirstSelectionIsOfferedToOneCommandOnly) {
  const OdDbObjectId a = addText(u"a", {0, 0, 0});
  std::vector<std::vector<OdDbObjectId>> seen;
  setProbeBody([&](IHostAppServices& s) {
    seen.push_back(s.pickfirstSelection());
    return int(kCmdDone);
  });
  host.setPickfirstSelection({a});
  run("TestProbe\nTestProbe\n");
  EXPECT_EQ(seen, (std::vector<std::vector<OdDbObjectId>>{{a}, {}}));
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
