// The paragraph and column dialogs' results applied to a running edit: what
// they change, on which paragraphs, and as how many undo steps.
#include <gtest/gtest.h>

#include "tests/editor/edit_session.h"
#include "ui/editor_dialogs.h"

namespace {

using editor_test::edit_session;
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
struct two_of_three : edit_session {
  two_of_three() : edit_session(u"\\pxsm2;a[b\\Pc]d\\Pe") {
    editor.entity().setTextHeight(2.0);
    editor.entity().endOperation(true);
  }
};

TEST(EditorDialogs, TheParagraphDialogSetsTheSpacingOfTheSelectedParagraphsOnly) {
  struct row {
    const char* what;
    bool checked;
    int list;  // Exactly, At least, Multiple
    const char16_t* at;
    spacing selected;
  } rows[] = {
      {"exactly in drawing units", true, 0, u"5", {exactly, 2.5}},
      {"at least", true, 1, u"1", {at_least, 0.5}},
      {"multiple", true, 2, u"1.5", {multiple, 1.5}},
      {"unchecked drops the spacing", false, 2, u"1.5", {none, 1.0}},
  };
  for (const row& r : rows) {
    two_of_three s;
    CParagraphDlg dlg = ui::paragraph_dialog_on(s.editor);
    EXPECT_EQ(dlg.spacingIndex(), 2) << r.what;
    EXPECT_EQ(dlg.atText().toUtf8(), "2") << r.what;
    dlg.setChecked(r.checked);
    dlg.setSpacingIndex(r.list);
    dlg.setAtText(r.at);
    ASSERT_TRUE(dlg.onOK().isEmpty()) << r.what;
    ui::apply_line_spacing(s.editor, ui::spacing_of(dlg));
    EXPECT_EQ(spacings(s.editor.entity().text()), (std::vector<spacing>{r.selected, r.selected, {multiple, 2.0}}))
        << r.what;
  }
  two_of_three s;
  ui::apply_line_spacing(s.editor, {exactly, 2.5});
  // The written-back content opens with the first paragraph's full code.
  EXPECT_EQ(mtext_test::utf8(s.editor.entity().currentContent()).rfind("\\pxi0,l0,r0,b0,a0se2.5;ab", 0), 0u)
      << mtext_test::utf8(s.editor.entity().currentContent());
}

TEST(EditorDialogs, EachAppliedDialogIsOneUndoStep) {
  two_of_three s;
  const std::vector<spacing> before = spacings(s.editor.entity().text());
  const std::size_t depth = s.undo_depth();
  ui::apply_line_spacing(s.editor, {exactly, 1.0});
  const std::vector<spacing> once = spacings(s.editor.entity().text());
  ui::apply_line_spacing(s.editor, {multiple, 3.0});
  editor::column_settings columns = s.editor.entity().columns();
  columns.type = OdDbMText::kStaticColumns;
  columns.heights = {20.0, 20.0};
  ui::apply_columns(s.editor, columns);
  EXPECT_EQ(s.undo_depth(), depth + 3);
  s.editor.undo();
  EXPECT_EQ(s.editor.entity().columnType(), OdDbMText::kNoColumns);
  s.editor.undo();
  EXPECT_EQ(spacings(s.editor.entity().text()), once);
  s.editor.undo();
  EXPECT_EQ(spacings(s.editor.entity().text()), before);
}

TEST(EditorDialogs, ColumnSettingsFollowTheDialogsType) {
  editor::column_settings before;
  before.width = 40.0;
  before.gutter = 1.0;
  before.frame_height = 30.0;
  before.type = OdDbMText::kDynamicColumns;
  before.auto_height = false;
  before.heights = {5.0, 6.0};
  struct row {
    const char* what;
    int type;
    bool auto_height;
    std::vector<double> heights;
    double frame_height;
  } rows[] = {
      {"static: count columns of the height", 1, true, {20.0, 20.0, 20.0}, 20.0},
      {"manual: as many columns as before", 2, false, {20.0, 20.0}, 20.0},
      {"auto height keeps the frame", 2, true, {}, 30.0},
      {"no columns keep the frame", 0, true, {}, 30.0},
  };
  for (const row& r : rows) {
    const column_dialog_values v{r.type, r.auto_height, 3, 20.0, 10.0, 2.0, 34.0, 1.0};
    const editor::column_settings c = ui::column_settings_of(v, before);
    EXPECT_EQ(c.type, r.type) << r.what;
    EXPECT_EQ(c.auto_height, r.auto_height) << r.what;
    EXPECT_EQ(c.heights, r.heights) << r.what;
    EXPECT_DOUBLE_EQ(c.frame_height, r.frame_height) << r.what;
    EXPECT_DOUBLE_EQ(c.width, 10.0) << r.what;
    EXPECT_DOUBLE_EQ(c.gutter, 2.0) << r.what;
  }
}

TEST(EditorDialogs, TheColumnDialogOpensOnTheColumnsItApplied) {
  edit_session s(u"ab|c\\Pdef");
  ui::apply_columns(s.editor, ui::column_settings_of({1, true, 3, 20.0, 10.0, 2.0, 34.0, 1.0}, s.editor.entity().columns()));
  const column_dialog_values v = ui::column_dialog_values_of(s.editor.entity());
  EXPECT_EQ(v, (column_dialog_values{1, true, 3, 20.0, 10.0, 2.0, 34.0, 1.0}));
  EXPECT_DOUBLE_EQ(s.editor.entity().frameWidth(), v.total);
  const column_dialog_values more = ui::more_columns_proposal(v);
  EXPECT_EQ(more.count, 7);
  EXPECT_DOUBLE_EQ(more.total, 7 * 10.0 + 6 * 2.0);
}

}  // namespace
