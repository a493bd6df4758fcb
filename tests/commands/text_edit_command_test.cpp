// "ddEdit" end to end through the scripted host: picked Texts are edited on
// one line, MTexts in the MText editor, one pick after another until the
// pick is answered with nothing or cancelled.
#include "commands_fixture.h"
#include "mtext/escape.h"

namespace {

std::string plain(const OdDbMText& m) { return OdString(mtext::deEscapeMtextContent(m.contents().c_str())).toUtf8(); }

struct edit_row {
  const char* name;
  const char* keys;   // the edit's one "keys" line
  const char* ending; // the answer to the next pick
  const char* text_after;
  const char* mtext_after;
  int result;
};

struct TextEdit : CommandsFixture {};

TEST_F(TextEdit, ATextOnOneLineThenAnMText) {
  const edit_row rows[] = {
      {"accepted, then Enter ends", "keys End \"!\" Enter", "enter", "line!", "Mold", kCmdDone},
      {"Esc discards one edit only", "keys End \"!\" Esc", "enter", "line", "Mold", kCmdDone},
      {"Esc at the next pick cancels, keeping the edits", "keys Home \"A\" Ctrl+Enter", "esc", "Aline", "Mold", kCmdCancelled},
  };
  for (const edit_row& row : rows) {
    OdDbTextPtr t = d.text(u"line", OdGePoint3d(0.0, 0.0, 0.0));
    OdDbMTextPtr m = d.mtext(u"old", OdGePoint3d(0.0, 20.0, 0.0));
    const std::string script = std::string("ddEdit\nselect handles ") + handle(t) + "\n" + row.keys +
                               "\nselect handles " + handle(m) + "\nkeys Home \"M\" Ctrl+Enter\n" + row.ending + "\n";
    const scripted_outcome outcome = run(script);
    EXPECT_TRUE(outcome.errors.empty()) << row.name << "\n" << host.transcript();
    EXPECT_EQ(outcome.results, std::vector<int>{row.result}) << row.name << "\n" << host.transcript();
    EXPECT_EQ(t->textString().toUtf8(), row.text_after) << row.name;
    EXPECT_EQ(plain(*m), row.mtext_after) << row.name;
  }
}

TEST_F(TextEdit, APickOnALockedLayerIsLeftAlone) {
  OdDbTextPtr t = d.text(u"kept", OdGePoint3d(0.0, 0.0, 0.0));
  d.add_layer(u"Locked", true);
  t->setLayer(u"Locked");
  host.setPickfirstSelection({t->objectId()});
  run("ddEdit\nenter\n");
  EXPECT_TRUE(transcriptHas("Layer locked\nSelect Text object: <Enter>\n")) << host.transcript();
  EXPECT_EQ(t->textString().toUtf8(), "kept");
}

}  // namespace
