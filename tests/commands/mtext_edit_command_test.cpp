// "MTextEdit" end to end through the scripted host: keystrokes reach the
// in-place editor, and the end of the edit decides what is saved.
#include "commands_fixture.h"
#include "mtext/escape.h"
#include "platform/sdk/OdDbMLeader.h"

namespace {

const std::string save_question = "Do you want to save your changes?";

std::string plain(const OdDbMText& m) { return OdString(mtext::deEscapeMtextContent(m.contents().c_str())).toUtf8(); }

struct edit_row {
  const char* name;
  const char* answers;  // after the selection, one line each
  const char* plain_after;
  int result;
  bool asked;
};

struct MTextEdit : CommandsFixture {};

TEST_F(MTextEdit, TheEndOfTheEditDecidesWhatIsSaved) {
  const edit_row rows[] = {
      {"typed, then Ctrl+Enter", "keys \"Hello \" Ctrl+Enter\n", "Hello old", kCmdDone, false},
      {"Esc with no change", "keys Esc\n", "old", kCmdCancelled, false},
      {"Esc after a change, Yes", "keys \"x\"\nkeys Esc\nanswer yes\n", "xold", kCmdDone, true},
      {"Esc after a change, No", "keys \"x\"\nkeys Esc\nanswer no\n", "old", kCmdCancelled, true},
      {"Esc after a change, Cancel goes on editing", "keys \"x\"\nkeys Esc\nanswer cancel\nkeys \"y\" Ctrl+Enter\n",
       "xyold", kCmdDone, true},
      {"Esc after typing undone asks nothing", "keys \"x\" Ctrl+Z Esc\n", "old", kCmdCancelled, false},
  };
  for (const edit_row& row : rows) {
    OdDbMTextPtr m = d.mtext(u"old", OdGePoint3d(0.0, 0.0, 0.0));
    host.clearTranscript();
    const scripted_outcome outcome = run("MTextEdit\nselect handles " + handle(m) + "\n" + row.answers);
    EXPECT_TRUE(outcome.errors.empty()) << row.name << "\n" << host.transcript();
    EXPECT_EQ(outcome.results, std::vector<int>{row.result}) << row.name;
    EXPECT_EQ(plain(*m), row.plain_after) << row.name;
    EXPECT_EQ(transcriptHas(save_question), row.asked) << row.name << "\n" << host.transcript();
  }
}

TEST_F(MTextEdit, NothingSavedLeavesTheContentsByteForByte) {
  d.mtext(u"{\\C1;red} and \\P{\\Lunder}", OdGePoint3d(0.0, 0.0, 0.0));
  const std::string before = describe();
  ASSERT_TRUE(run("MTextEdit\nselect all\nkeys Right \"z\"\nkeys Esc\nanswer no\n").errors.empty()) << host.transcript();
  EXPECT_EQ(describe(), before);
}

TEST_F(MTextEdit, TwoMTextsAreEditedInTurnWithTheShortPrompt) {
  OdDbMTextPtr first = d.mtext(u"one", OdGePoint3d(0.0, 0.0, 0.0));
  OdDbMTextPtr second = d.mtext(u"two", OdGePoint3d(0.0, 20.0, 0.0));
  const scripted_outcome outcome = run("MTextEdit\nselect all\nkeys \"A\" Ctrl+Enter\nkeys \"B\" Ctrl+Enter\n");
  ASSERT_TRUE(outcome.errors.empty()) << host.transcript();
  EXPECT_EQ(plain(*first), "Aone");
  EXPECT_EQ(plain(*second), "Btwo");
  EXPECT_TRUE(transcriptHas("*: <accepted>\n  keys \"B\" Ctrl+Enter\n*: <accepted>\n")) << host.transcript();
  // Only an edit of exactly one object reports the command as done.
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled});
}

TEST_F(MTextEdit, EscOnTheFirstOfTwoStopsTheSecond) {
  d.mtext(u"one", OdGePoint3d(0.0, 0.0, 0.0));
  d.mtext(u"two", OdGePoint3d(0.0, 20.0, 0.0));
  const std::string before = describe();
  const scripted_outcome outcome = run("MTextEdit\nselect all\nkeys Esc\n");
  ASSERT_TRUE(outcome.errors.empty()) << host.transcript();
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled});
  EXPECT_EQ(describe(), before);
  EXPECT_FALSE(transcriptHas("(the script has no answer)")) << host.transcript();
}

// A leader that underlines all lines draws the underline itself: the text's
// opening underline code goes, and only then.
TEST_F(MTextEdit, ALeaderThatUnderlinesKeepsNoUnderlineCode) {
  const struct {
    int left, right;
    OdDbMLeader::TextAttachmentDirection direction;
    const char* after;
  } rows[] = {
      {OdDbMLeader::kAttachmentAllLine, 1, OdDbMLeader::kAttachmentHorizontal, "\\pxi0,l0,r0,b0,a0;{note}"},
      {1, OdDbMLeader::kAttachmentAllLine, OdDbMLeader::kAttachmentHorizontal, "\\pxi0,l0,r0,b0,a0;{note}"},
      {1, 1, OdDbMLeader::kAttachmentHorizontal, "\\pxi0,l0,r0,b0,a0;{\\Lnote}"},
      {OdDbMLeader::kAttachmentAllLine, 1, OdDbMLeader::kAttachmentVertical, "\\pxi0,l0,r0,b0,a0;{\\Lnote}"},
  };
  for (const auto& row : rows) {
    OdDbMLeaderPtr leader = OdDbMLeader::createObject();
    OdDbMTextPtr text = OdDbMText::createObject();
    text->setContents(u"{\\Lnote}");
    leader->setMText(text.get());
    leader->setTextAttachmentTypes(row.left, row.right);
    leader->setTextAttachmentDirection(row.direction);
    d.db->addEntity(leader.get());
    ASSERT_TRUE(run("MTextEdit\nselect handles " + handle(leader) + "\nkeys Ctrl+Enter\n").ok()) << host.transcript();
    EXPECT_EQ(leader->mtext()->contents().toUtf8(), row.after) << row.left << " " << row.right << " " << row.direction;
  }
}

// A script picks from the menu a toolbar button opens: 1.5x line spacing.
TEST_F(MTextEdit, AToolbarLineChoosesFromTheButtonsMenu) {
  OdDbMTextPtr m = d.mtext(u"old", OdGePoint3d(0.0, 0.0, 0.0));
  ASSERT_TRUE(run("MTextEdit\nselect handles " + handle(m) + "\ntoolbar 1048:14802\nkeys Ctrl+Enter\n").ok())
      << host.transcript();
  EXPECT_EQ(m->contents().toUtf8(), "\\pxi0,l0,r0,b0,a0sm1.5;old");
}

TEST_F(MTextEdit, ATextIsEditedOnOneLine) {
  OdDbTextPtr t = d.text(u"line", OdGePoint3d(0.0, 0.0, 0.0));
  ASSERT_TRUE(run("MTextEdit\nselect all\nkeys End \"s\" Ctrl+Enter\n").ok()) << host.transcript();
  EXPECT_EQ(t->textString().toUtf8(), "lines");
}

TEST_F(MTextEdit, PickFirstOnALockedLayerIsCountedAndSkipped) {
  d.add_layer(u"Locked", true);
  OdDbMTextPtr m = d.mtext(u"locked", OdGePoint3d(0.0, 0.0, 0.0));
  m->setLayer(u"Locked");
  host.setPickfirstSelection({m->objectId()});
  run("MTextEdit\n");
  EXPECT_TRUE(transcriptHas("Filtered objects on locked layers: 1\n")) << host.transcript();
  EXPECT_EQ(plain(*m), "locked");
}

}  // namespace
