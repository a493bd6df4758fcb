// The paragraph and column dialogs answered by name from a script, as
// `cadtext run` answers them: OK applies, Cancel and refused values change nothing.
#include <gtest/gtest.h>

#include "platform/host/scripted_host.h"
#include "tests/editor/edit_session.h"
#include "tests/host/probe_command.h"
#include "ui/editor_dialogs.h"

namespace {

struct ScriptedDialogs : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  scripted_host host{db.get(), u"dialogs.dxf"};
  editor_test::edit_session s{u"a[b\\Pc]d\\Pe"};

  ~ScriptedDialogs() override { setProbeBody({}); }

  // Runs `dialog_line` as the answer to the dialog `show` opens on the edit.
  scripted_outcome answer(const std::function<bool(editor::smart_edit&)>& show, const std::string& dialog_line) {
    setProbeBody([&](IHostAppServices&) { return show(s.editor) ? int(kCmdDone) : int(kCmdCancelled); });
    return host.run("TestProbe\n" + dialog_line + "\n", "test");
  }
};

bool paragraph(editor::smart_edit& e) { return ui::run_paragraph_dialog(e); }
bool columns(editor::smart_edit& e) { return ui::run_columns_dialog(e, ui::column_dialog_values_of(e.entity())); }

TEST_F(ScriptedDialogs, OKAppliesCancelAndRefusalsChangeNothing) {
  struct row {
    bool (*show)(editor::smart_edit&);
    const char* line;
    const char* error;  // empty when the dialog closes with OK or Cancel
    bool changes;
  } rows[] = {
      {paragraph, "dialog Paragraph enabled=yes spacing=Exactly at=1.5 ok", "", true},
      {paragraph, "dialog Paragraph enabled=yes spacing=Multiple at=2 cancel", "", false},
      {paragraph, "dialog Paragraph enabled=yes spacing=Multiple at=4.5 ok",
       "test:2: Paragraph does not close with OK: Please provide a value within the range of 0.25 and 4.", false},
      {columns, "dialog \"Column Settings\" type=static count=3 height=20 width=10 gutter=2 ok", "", true},
      {columns, "dialog \"Column Settings\" type=dynamic cancel", "", false},
      {columns, "dialog \"Column Settings\" type=static count=1 ok",
       "test:2: Column Settings refuses count=1: Value must be between 2 and 100", false},
      {columns, "dialog Paragraph ok", "test:2: the dialog shown is Column Settings, not Paragraph", false},
      {columns, "answer ok", "test:2: \"Dialog Column Settings\" takes a dialog answer, not \"answer ok\"", false},
      {columns, "", "", false},  // unanswered, the dialog is cancelled
  };
  for (const row& r : rows) {
    const std::u16string content = s.editor.entity().currentContent();
    const editor::column_settings settings = s.editor.entity().columns();
    const std::size_t depth = s.undo_depth();
    const scripted_outcome outcome = answer(r.show, r.line);
    EXPECT_EQ(outcome.errors, r.error[0] ? std::vector<std::string>{r.error} : std::vector<std::string>{}) << r.line;
    const bool changed = s.editor.entity().currentContent() != content || !(s.editor.entity().columns() == settings);
    EXPECT_EQ(changed, r.changes) << r.line;
    EXPECT_EQ(s.undo_depth(), depth + (r.changes ? 1 : 0)) << r.line;
  }
  // What the two accepted dialogs set.
  const mtext::geom_multitext& text = s.editor.entity().text();
  EXPECT_EQ(text.paragraph.line_spacing_style, CParagraphDlg::kind_exactly);
  EXPECT_DOUBLE_EQ(text.paragraph.line_spacing, 1.5);
  EXPECT_EQ(s.editor.entity().columns().heights, (std::vector<double>{20.0, 20.0, 20.0}));
  EXPECT_DOUBLE_EQ(s.editor.entity().frameWidth(), 34.0);
}

TEST_F(ScriptedDialogs, ShowMTextColumnsDlgWritesTheValuesBackOnlyOnOK) {
  struct row {
    const char* line;
    bool ok;
    int count;
    double gutter, total;
  } rows[] = {
      {"dialog \"Column Settings\" gutter=6000 ok", true, 3, (10000.0 - 30.0) / 2.0, 10000.0},
      {"dialog \"Column Settings\" count=5 cancel", false, 3, 2.0, 34.0},
      {"dialog \"Column Settings\" width=0.5 ok", false, 3, 2.0, 34.0},
  };
  for (const row& r : rows) {
    int type = 1, count = 3;
    bool auto_height = true;
    double height = 20.0, width = 10.0, gutter = 2.0, total = 34.0, text_height = 1.0;
    bool answered = false;
    setProbeBody([&](IHostAppServices&) {
      answered = ShowMTextColumnsDlg(&type, &auto_height, &count, &height, &width, &gutter, &total, &text_height);
      return int(kCmdDone);
    });
    host.run(std::string("TestProbe\n") + r.line + "\n", "test");
    EXPECT_EQ(answered, r.ok) << r.line;
    EXPECT_EQ(count, r.count) << r.line;
    EXPECT_DOUBLE_EQ(gutter, r.gutter) << r.line;
    EXPECT_DOUBLE_EQ(total, r.total) << r.line;
    EXPECT_DOUBLE_EQ(width, 10.0) << r.line;
  }
}

}  // namespace
