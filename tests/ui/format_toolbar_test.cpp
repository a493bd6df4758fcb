// The formatting toolbar on a running edit: each control's operation on the
// text, one undo step per press, and the state it shows afterwards.
#include <gtest/gtest.h>

#include <deque>

#include "platform/host/host_memory_profile.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "tests/editor/edit_session.h"
#include "ui/format_toolbar.h"

namespace {

using editor_test::edit_session;
namespace c = ui::control;

// The content written back, without the paragraph format it always opens with.
std::string content(const edit_session& s) {
  const std::string all = OdString(s.editor.entity().currentContent()).toUtf8();
  const std::string opening = "\\pxi0,l0,r0,b0,a0;";
  return all.starts_with(opening) ? all.substr(opening.size()) : all;
}

// An edit with its toolbar; menus, the colour dialog and messages answered from queues.
struct toolbar_session : edit_session {
  explicit toolbar_session(const std::u16string& text, bool compact = false)
      : edit_session(text), toolbar(editor, system.windows(), services(), &profile, compact) {}

  ui::toolbar_services services() {
    ui::toolbar_services s;
    s.show_menu = [this](int, const ui::toolbar_menu& menu) {
      shown = menu;
      const int id = choices.empty() ? 0 : choices.front();
      if (!choices.empty()) choices.pop_front();
      return id;
    };
    s.pick_color = [this](OdCmEntityColor& color) {
      if (!picked) return false;
      color = *picked;
      return true;
    };
    s.message = [this](const OdString& text) { messages.push_back(text.toUtf8()); };
    return s;
  }

  host_memory_profile profile;
  std::deque<int> choices;
  ui::toolbar_menu shown;
  std::optional<OdCmEntityColor> picked;
  std::vector<std::string> messages;
  ui::CMTextEdit toolbar;
};

TEST(FormatToolbar, StyleButtonsToggleTheSelectionAsOneStepEach) {
  const struct {
    int id;
    const char* code;
  } rows[] = {{c::bold, "|b1"}, {c::underline, "\\L"}};
  for (const auto& r : rows) {
    toolbar_session s(u"a[bc]d");
    s.toolbar.click(r.id);
    EXPECT_NE(content(s).find(r.code), std::string::npos) << r.code << " in " << content(s);
    EXPECT_EQ(s.undo_depth(), 1u) << r.code;
    EXPECT_TRUE(s.toolbar.control(r.id).checked) << r.code;
    s.toolbar.click(r.id);
    EXPECT_EQ(content(s).find(r.code), std::string::npos) << r.code << " in " << content(s);
    EXPECT_EQ(s.undo_depth(), 2u) << r.code;
    EXPECT_FALSE(s.toolbar.control(r.id).checked) << r.code;
  }
}

TEST(FormatToolbar, UndoThroughTheEditorIsShownOnTheToolbar) {
  toolbar_session s(u"a[bc]d");
  s.toolbar.click(c::bold);
  ASSERT_TRUE(s.toolbar.control(c::bold).checked);
  EXPECT_TRUE(s.toolbar.control(c::undo).enabled);
  s.keys("Ctrl+Z");  // the editor tells the toolbar's window, not the toolbar
  EXPECT_FALSE(s.toolbar.control(c::bold).checked);
  EXPECT_EQ(content(s), "abcd");
  s.toolbar.click(c::redo);
  EXPECT_TRUE(s.toolbar.control(c::bold).checked);
}

TEST(FormatToolbar, ColourComboAppliesEntriesAndCustomColours) {
  toolbar_session s(u"a[bc]d");
  s.toolbar.chooseColor(2);  // ByLayer, ByBlock, then index 1
  EXPECT_NE(content(s).find("\\C1;"), std::string::npos) << content(s);
  EXPECT_EQ(s.toolbar.colorSelection(), 2u);
  const std::size_t custom = s.toolbar.colors().size() - 1;
  s.toolbar.chooseColor(custom);  // Cancel keeps the colour, and makes no step
  EXPECT_EQ(s.undo_depth(), 1u);
  s.picked = OdCmEntityColor(255, 128, 0);
  s.toolbar.chooseColor(custom);
  EXPECT_NE(content(s).find("\\c16744448;"), std::string::npos) << content(s);
  EXPECT_EQ(s.toolbar.colors()[custom].name.toUtf8(), "255,128,0");
  EXPECT_EQ(s.toolbar.colors().back().value, ui::custom_color_entry);
}

TEST(FormatToolbar, StyleComboGivesTheSelectionTheStylesFont) {
  toolbar_session s(u"a[bc]d");
  OdDbTextStyleTableRecordPtr serif = OdDbTextStyleTableRecord::createObject();
  serif->setFont(u"Liberation Serif", true, false, 0, 18);
  s.toolbar.chooseStyle(*serif);
  EXPECT_EQ(content(s), "a{\\fLiberation Serif|b1|i0|c0|p18;bc}d");
  OdDbTextStyleTableRecordPtr shape = OdDbTextStyleTableRecord::createObject();
  shape->setFileName(u"txt.shx");
  s.toolbar.chooseStyle(*shape);
  EXPECT_EQ(content(s), "a{\\Ftxt|c0;bc}d");
  EXPECT_EQ(s.undo_depth(), 2u);
}

TEST(FormatToolbar, HeightsAboveTheLeastAreAppliedAndKept) {
  toolbar_session s(u"a[bc]d");
  s.toolbar.enterHeight(u"0.0001");
  EXPECT_EQ(s.undo_depth(), 0u);
  s.toolbar.enterHeight(u"2.5");
  EXPECT_NE(content(s).find("\\H2.5"), std::string::npos) << content(s);
  EXPECT_EQ(s.toolbar.control(c::height).text.toUtf8(), "2.5");
  s.toolbar.close();
  toolbar_session next(u"ab|");
  EXPECT_NE(std::find(next.toolbar.heights().begin(), next.toolbar.heights().end(), 2.5f),
            next.toolbar.heights().end());
}

TEST(FormatToolbar, AlignmentButtonsSetTheSelectedParagraphs) {
  const struct {
    int id;
    const char* code;
  } rows[] = {{c::align_center, "qc;"}, {c::justified, "qj;"}};
  for (const auto& r : rows) {
    toolbar_session s(u"a[b\\Pc]d");
    s.toolbar.click(r.id);
    EXPECT_NE(content(s).find(r.code), std::string::npos) << content(s);
    EXPECT_TRUE(s.toolbar.control(r.id).checked) << r.code;
    EXPECT_FALSE(s.toolbar.control(c::align_left).checked) << r.code;
  }
}

TEST(FormatToolbar, NumberingMenuMakesAndEndsListItems) {
  toolbar_session s(u"a[b\\Pc]d");
  s.choices = {ui::numbering_cmd::numbered};
  s.toolbar.click(c::numbering);
  EXPECT_EQ(s.seen(), u"<1.\t>a[b\\P<2.\t>c]d");
  s.choices = {ui::numbering_cmd::upper};
  s.toolbar.click(c::numbering);
  EXPECT_TRUE(ui::find_entry(s.shown, ui::numbering_cmd::numbered)->checked);
  EXPECT_EQ(s.seen(), u"<A.\t>a[b\\P<B.\t>c]d");
  s.choices = {ui::numbering_cmd::off};
  s.toolbar.click(c::numbering);
  EXPECT_EQ(s.undo_depth(), 3u);
  EXPECT_EQ(content(s), "ab\\Pcd");
}

TEST(FormatToolbar, MenusChangeTheFrameAsOneStep) {
  toolbar_session s(u"a[bc]d");
  s.choices = {ui::alignment_cmd::first + 8};
  s.toolbar.click(c::alignment);
  EXPECT_EQ(s.editor.entity().attachment(), OdDbMText::kBottomRight);
  s.toolbar.click(c::undo);
  EXPECT_EQ(s.editor.entity().attachment(), OdDbMText::kTopLeft);
  s.choices = {ui::columns_cmd::static_2 + 1};
  s.toolbar.click(c::columns);
  EXPECT_EQ(s.editor.entity().columnType(), OdDbMText::kStaticColumns);
  EXPECT_EQ(s.editor.entity().columnHeights().size(), 3u);
  s.choices = {ui::spacing_cmd::one_and_half};
  s.toolbar.click(c::line_spacing);
  EXPECT_NE(content(s).find("sm1.5"), std::string::npos) << content(s);
  EXPECT_EQ(s.undo_depth(), 2u);
  EXPECT_TRUE(s.messages.empty());
}

TEST(FormatToolbar, ObliqueAndWidthStayInTheirRanges) {
  toolbar_session s(u"[ab]");
  s.toolbar.enterOblique(95);
  EXPECT_EQ(s.toolbar.control(c::oblique).text.toUtf8(), "80");
  s.toolbar.spin(c::width_spin, -100);
  EXPECT_EQ(s.toolbar.control(c::width).text.toUtf8(), "0.1");
  s.toolbar.spin(c::width_spin, 2);
  EXPECT_EQ(s.toolbar.control(c::width).text.toUtf8(), "0.12");
}

TEST(FormatToolbar, StackAndCaseWorkOnTheSelection) {
  toolbar_session s(u"x[1/2]y");
  s.toolbar.click(c::stack);
  EXPECT_NE(content(s).find("\\S1/2;"), std::string::npos) << content(s);
  toolbar_session t(u"[aBc]");
  t.toolbar.click(c::upper);
  EXPECT_EQ(content(t), "ABC");
  t.keys("Right");
  EXPECT_FALSE(t.toolbar.control(c::upper).enabled);
}

TEST(FormatToolbar, ReopensWhereItWasClosed) {
  host_memory_profile profile;
  edit_session s(u"a|");
  {
    ui::CMTextEdit first(s.editor, s.system.windows(), {}, &profile);
    EXPECT_EQ(first.position(), (ui::toolbar_position{200, 300}));
    first.moveTo({40, 50});
  }
  ui::CMTextEdit second(s.editor, s.system.windows(), {}, &profile);
  EXPECT_EQ(second.position(), (ui::toolbar_position{40, 50}));
}

}  // namespace
