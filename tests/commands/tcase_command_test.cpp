// "TCase" end to end through the scripted host, with the case dialog.
#include "commands_fixture.h"
#include "ui/case_dialog.h"

namespace {

struct TCase : CommandsFixture {
  int saved = CCaseDlg::processMode();
  ~TCase() override { CCaseDlg::setProcessMode(saved); }
};

struct mode_row {
  const char* answer;
  const char16_t* text_out;
  const char16_t* mtext_out;
};

TEST_F(TCase, EachModeOnATextAndAnMTextWithCodesKept) {
  const char16_t* text_in = u"hELLO wORLD. o'neil-smith";
  const char16_t* mtext_in = u"{\\fArial|b1|i0|c0|p34;tWO} wORDS\\P\\C1;nEXT. %<\\AcVar Filename>% \\S1/2;end";
  const mode_row rows[] = {
      // The sentence goes on past the field and the stack to "End".
      {"sentence", u"Hello world. O'neil-smith", u"{\\fArial|b1|i0|c0|p34;Two} words\\P\\C1;next. %<\\AcVar Filename>% \\S1/2;End"},
      {"lower", u"hello world. o'neil-smith", u"{\\fArial|b1|i0|c0|p34;two} words\\P\\C1;next. %<\\AcVar Filename>% \\S1/2;end"},
      {"upper", u"HELLO WORLD. O'NEIL-SMITH", u"{\\fArial|b1|i0|c0|p34;TWO} WORDS\\P\\C1;NEXT. %<\\AcVar Filename>% \\S1/2;END"},
      {"title", u"Hello World. O'Neil-Smith", u"{\\fArial|b1|i0|c0|p34;Two} Words\\P\\C1;Next. %<\\AcVar Filename>% \\S1/2;End"},
      {"toggle", u"Hello World. O'NEIL-SMITH", u"{\\fArial|b1|i0|c0|p34;Two} Words\\P\\C1;Next. %<\\AcVar Filename>% \\S1/2;END"},
  };
  for (const mode_row& row : rows) {
    OdDbTextPtr t = d.text(text_in, OdGePoint3d(0.0, 0.0, 0.0));
    OdDbMTextPtr m = d.mtext(mtext_in, OdGePoint3d(0.0, 20.0, 0.0));
    const scripted_outcome outcome = run("TCase\nselect handles " + handle(t) + " " + handle(m) +
                                         "\ndialog Case mode=" + row.answer + " ok\n");
    ASSERT_TRUE(outcome.ok()) << row.answer << "\n" << host.transcript();
    EXPECT_EQ(t->textString().toUtf8(), OdString(row.text_out).toUtf8()) << row.answer;
    EXPECT_EQ(m->contents().toUtf8(), OdString(row.mtext_out).toUtf8()) << row.answer;
  }
}

TEST_F(TCase, TheDialogOpensWithTheModeChosenLastTime) {
  OdDbTextPtr t = d.text(u"Mixed Case", OdGePoint3d(0.0, 0.0, 0.0));
  ASSERT_TRUE(run("TCase\nselect all\ndialog mode=upper ok\n").ok());
  EXPECT_EQ(t->textString().toUtf8(), "MIXED CASE");
  EXPECT_EQ(CCaseDlg::processMode(), 2);
  t->setTextString(u"again here");
  // OK without touching the radios takes the remembered mode.
  ASSERT_TRUE(run("TCase\nselect all\ndialog ok\n").ok()) << host.transcript();
  EXPECT_EQ(t->textString().toUtf8(), "AGAIN HERE");
}

TEST_F(TCase, CancelInTheDialogChangesNothingAndKeepsTheMode) {
  CCaseDlg::setProcessMode(3);
  d.text(u"keep me", OdGePoint3d(0.0, 0.0, 0.0));
  d.mtext(u"keep {\\Lme}", OdGePoint3d(0.0, 10.0, 0.0));
  const std::string before = describe();
  const scripted_outcome outcome = run("TCase\nselect all\ndialog mode=upper cancel\n");
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled});
  EXPECT_EQ(describe(), before);
  EXPECT_EQ(CCaseDlg::processMode(), 3);
}

TEST_F(TCase, CancelAtEveryPromptLeavesTheDrawing) {
  d.text(u"keep me", OdGePoint3d(0.0, 0.0, 0.0));
  expect_cancel_anywhere_changes_nothing("TCase", {"select all", "dialog mode=upper ok"});
}

TEST_F(TCase, NoTextsSaysSo) {
  const scripted_outcome outcome = run("TCase\nenter\n");
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
  EXPECT_TRUE(transcriptHas("Selected objects are not texts\n")) << host.transcript();
}

}  // namespace
