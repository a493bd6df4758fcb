// The paragraph and column dialogs on a running edit, answered by name from
// a script as `cadtext run` answers them: what OK applies and to which
// paragraphs, as one undo step; Cancel and refused values change nothing.
#include <gtest/gtest.h>

#include "platform/host/scripted_host.h"
#include "tests/editor/edit_session.h"
#include "tests/host/probe_command.h"
#include "ui/editor_dialogs.h"

namespace {

using spacing = std::pair<std::uint32_t, double>;
constexpr std::uint32_t none = 0, at_least = 1, exactly = 2, multiple = 3;

// The line spacing of every paragraph, in text order.
std::vector<spacing> spacings(const mtext::geom_multitext& text) {
  std::vector<spacing> result{{text.paragraph.line_spacing_style, text.paragraph.line_spacing}};
  for (mtext::position i = 0; i < text.size(); ++i)
    if (text.parts[i].type() == mtext::new_paragraph_type) {
      const auto& p = static_cast<const mtext::new_paragraph&>(text.parts[i].part()).paragraph;
      result.emplace_back(p.line_spacing_style, p.line_spacing);
    }
  return result;
}

// Three paragraphs spaced twice, the selection reaching the first two; text height 2.
struct dialog_run {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  scripted_host host{db.get(), u"dialogs.dxf"};
  editor_test::edit_session s{u"\\pxsm2;a[b\\Pc]d\\Pe"};

  dialog_run() {
    s.editor.entity().setTextHeight(2.0);
    s.editor.entity().endOperation(true);
  }
  ~dialog_run() { setProbeBody({}); }

  // Runs `dialog_line` as the answer to the dialog `show` opens on the edit.
  scripted_outcome answer(bool (*show)(editor::smart_edit&), const std::string& dialog_line) {
    setProbeBody([&](IHostAppServices&) { return show(s.editor) ? int(kCmdDone) : int(kCmdCancelled); });
    return host.run("TestProbe\n" + dialog_line + "\n", "test");
  }
};

bool paragraph(editor::smart_edit& e) { return ui::run_paragraph_dialog(e); }
bool columns(editor::smart_edit& e) { return ui::run_columns_dialog(e, ui::column_dialog_values_of(e.entity())); }

std::vector<std::string> errors(const char* error) {
  return error[0] ? std::vector<std::string>{error} : std::vector<std::string>{};
}

// The dialog opens on the first selected paragraph's spacing ("Multiple",
// "2"); "exactly" and "at least" are entered in drawing units.
TEST(ScriptedDialogs, TheParagraphDialogSetsTheSelectedParagraphsAsOneStep) {
  const struct {
    const char* line;
    const char* error;  // empty when the dialog closes with OK or Cancel
    spacing selected;
  } rows[] = {
      {"spacing=Exactly at=5 ok", "", {exactly, 2.5}},
      {"spacing=\"at LEAST\" at=1 ok", "", {at_least, 0.5}},
      {"at=1.5 ok", "", {multiple, 1.5}},
      {"enabled=no ok", "", {none, 1.0}},
      {"spacing=Exactly at=\" 6\" ok", "", {exactly, 3.0}},
      {"spacing=Exactly at=\"\" ok", "", {exactly, 2.0}},  // an empty edit keeps the factor it opened with
      {"at=1.5 cancel", "", {multiple, 2.0}},
      {"at=4.5 ok", "test:2: Paragraph does not close with OK: Please provide a value within the range of 0.25 and 4.",
       {multiple, 2.0}},
      {"spacing=Exactly at=3x ok",
       "test:2: Paragraph does not close with OK: Please provide a value within the range of 0.5 and 8.", {multiple, 2.0}},
      {"enabled=no spacing=Multiple ok",
       "test:2: Paragraph refuses spacing=Multiple: spacing is disabled while enabled=no", {multiple, 2.0}},
      {"spacing=double ok", "test:2: Paragraph refuses spacing=double: spacing is Exactly, \"At least\" or Multiple",
       {multiple, 2.0}},
      {"colour=red ok",
       "test:2: Paragraph refuses colour=red: The paragraph dialog has the fields enabled, spacing and at",
       {multiple, 2.0}},
  };
  for (const auto& r : rows) {
    dialog_run run;
    const std::u16string before = run.s.editor.entity().currentContent();
    const scripted_outcome outcome = run.answer(paragraph, std::string("dialog Paragraph ") + r.line);
    EXPECT_EQ(outcome.errors, errors(r.error)) << r.line;
    EXPECT_EQ(spacings(run.s.editor.entity().text()), (std::vector<spacing>{r.selected, r.selected, {multiple, 2.0}}))
        << r.line;
    const bool ok = !r.error[0] && std::string(r.line).ends_with(" ok");
    EXPECT_EQ(run.s.undo_depth(), ok ? 1u : 0u) << r.line;
    run.s.keys("Ctrl+Z");
    EXPECT_EQ(run.s.editor.entity().currentContent(), before) << r.line;
  }
  dialog_run run;
  run.answer(paragraph, "dialog Paragraph spacing=Exactly at=5 ok");
  // The written-back content opens with the first paragraph's full code.
  EXPECT_EQ(mtext_test::utf8(run.s.editor.entity().currentContent()).rfind("\\pxi0,l0,r0,b0,a0se2.5;ab", 0), 0u);
  // Opened again, it shows the exact spacing in drawing units and OK keeps it.
  EXPECT_TRUE(run.answer(paragraph, "dialog Paragraph ok").ok());
  EXPECT_EQ(spacings(run.s.editor.entity().text()).front(), (spacing{exactly, 2.5}));
}

TEST(ScriptedDialogs, TheColumnDialogSetsTheColumnsAsOneStepAndReopensOnThem) {
  const struct {
    const char* line;
    const char* error;
    std::vector<double> heights;
    OdDbMText::ColumnType type;
  } rows[] = {
      {"dialog \"Column Settings\" type=static count=3 height=20 width=10 gutter=2 ok", "", {20, 20, 20},
       OdDbMText::kStaticColumns},
      // Manual heights: as many columns as before, each of the height.
      {"dialog \"Column Settings\" type=dynamic auto_height=no height=20 width=10 ok", "", {20}, OdDbMText::kDynamicColumns},
      {"dialog \"Column Settings\" type=dynamic width=10 ok", "", {}, OdDbMText::kDynamicColumns},
      {"dialog \"Column Settings\" type=dynamic cancel", "", {}, OdDbMText::kNoColumns},
      {"dialog \"Column Settings\" type=static count=1 ok",
       "test:2: Column Settings refuses count=1: Value must be between 2 and 100", {}, OdDbMText::kNoColumns},
      {"answer ok", "test:2: \"Dialog Column Settings\" takes a dialog answer, not \"answer ok\"", {},
       OdDbMText::kNoColumns},
      {"", "", {}, OdDbMText::kNoColumns},  // unanswered, the dialog is cancelled
  };
  for (const auto& r : rows) {
    dialog_run run;
    const editor::column_settings before = run.s.editor.entity().columns();
    const scripted_outcome outcome = run.answer(columns, r.line);
    EXPECT_EQ(outcome.errors, errors(r.error)) << r.line;
    EXPECT_EQ(run.s.editor.entity().columns() == before, r.type == OdDbMText::kNoColumns) << r.line;
    EXPECT_EQ(run.s.editor.entity().columnType(), r.type) << r.line;
    EXPECT_EQ(run.s.editor.entity().columns().heights, r.heights) << r.line;
    EXPECT_EQ(run.s.undo_depth(), r.type == OdDbMText::kNoColumns ? 0u : 1u) << r.line;
  }
  dialog_run run;
  run.answer(columns, rows[0].line);
  const column_dialog_values v = ui::column_dialog_values_of(run.s.editor.entity());
  EXPECT_EQ(v, (column_dialog_values{1, true, 3, 20.0, 10.0, 2.0, 34.0, 2.0}));
  EXPECT_DOUBLE_EQ(run.s.editor.entity().frameWidth(), v.total);
  const column_dialog_values more = ui::more_columns_proposal(v);
  EXPECT_EQ(more.count, 7);
  EXPECT_DOUBLE_EQ(more.total, 7 * 10.0 + 6 * 2.0);
}

// Three static columns 10 wide with gutters of 2, text height 1: the limit
// is 10000. Width, gutter and total keep each other in step.
TEST(ScriptedDialogs, ShowMTextColumnsDlgWritesTheValuesBackOnlyOnOK) {
  struct row {
    const char* fields;
    bool ok;
    int count;
    double width, gutter, total;
  } rows[] = {
      {"width=12 ok", true, 3, 12.0, 2.0, 40.0},
      {"width=5000 ok", true, 3, (10000.0 - 4.0) / 3.0, 2.0, 10000.0},
      {"gutter=5 ok", true, 3, 10.0, 5.0, 40.0},
      {"gutter=6000 ok", true, 3, 10.0, (10000.0 - 30.0) / 2.0, 10000.0},
      {"total=40 ok", true, 3, 12.0, 2.0, 40.0},
      // Columns narrower than the text height: the gutters take the rest.
      {"total=3.5 ok", true, 3, 1.0, 0.25, 3.5},
      {"total=2 ok", true, 3, 1.0, 0.0, 3.0},
      {"count=4 ok", true, 4, 10.0, 2.0, 46.0},
      {"count=5 cancel", false, 3, 10.0, 2.0, 34.0},
      // Out of range: refused as entered, so the dialog is cancelled.
      {"count=1 ok", false, 3, 10.0, 2.0, 34.0},
      {"count=two ok", false, 3, 10.0, 2.0, 34.0},
      {"width=0.5 ok", false, 3, 10.0, 2.0, 34.0},
      {"gutter=-0.5 ok", false, 3, 10.0, 2.0, 34.0},
      {"total=30000 ok", false, 3, 10.0, 2.0, 34.0},
  };
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  scripted_host host{db.get(), u"dialogs.dxf"};
  for (const row& r : rows) {
    int type = 1, count = 3;
    bool auto_height = true;
    double height = 20.0, width = 10.0, gutter = 2.0, total = 34.0, text_height = 1.0;
    bool answered = false;
    setProbeBody([&](IHostAppServices&) {
      answered = ShowMTextColumnsDlg(&type, &auto_height, &count, &height, &width, &gutter, &total, &text_height);
      return int(kCmdDone);
    });
    const scripted_outcome outcome = host.run(std::string("TestProbe\ndialog \"Column Settings\" ") + r.fields + "\n", "test");
    EXPECT_EQ(answered, r.ok) << r.fields;
    EXPECT_EQ(outcome.errors.size(), r.ok || std::string(r.fields).ends_with("cancel") ? 0u : 1u) << r.fields;
    EXPECT_EQ(count, r.count) << r.fields;
    EXPECT_DOUBLE_EQ(width, r.width) << r.fields;
    EXPECT_DOUBLE_EQ(gutter, r.gutter) << r.fields;
    EXPECT_DOUBLE_EQ(total, r.total) << r.fields;
    EXPECT_DOUBLE_EQ(height, 20.0) << r.fields;
  }
  setProbeBody({});
}

}  // namespace
