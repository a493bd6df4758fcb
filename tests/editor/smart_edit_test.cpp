// The in-place editor driven by the messages a keyboard and mouse send,
// checked by what the user sees: the text with its carets, the undo depth,
// what was posted to the host.
#include <gtest/gtest.h>

#include "editor/clipboard.h"
#include "platform/sdk/OdGiRecorder.h"
#include "tests/editor/edit_session.h"

namespace {

using editor_test::edit_session;

struct typing_case {
  const char16_t* before;
  const char* keys;
  const char16_t* after;
  std::size_t undo_depth;
};

class Typing : public ::testing::TestWithParam<typing_case> {};

TEST_P(Typing, ShowsTheTextAndKeepsTheUndoSteps) {
  const typing_case& c = GetParam();
  edit_session s(c.before);
  s.keys(c.keys);
  EXPECT_EQ(mtext_test::utf8(s.seen()), mtext_test::utf8(c.after)) << c.keys;
  EXPECT_EQ(s.undo_depth(), c.undo_depth) << c.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Editor, Typing,
    ::testing::Values(
        // One kind of edit in a row is one step; any caret movement ends it.
        typing_case{u"|", "\"abc\" Left \"d\"", u"abd|c", 2},
        typing_case{u"|", "\"ab\" Backspace \"c\"", u"ac|", 3},
        // A bound key's character is not typed again; an unbound one is.
        typing_case{u"ab|", "Ctrl+A", u"[ab]", 0},
        typing_case{u"[ab]", "\"x\"", u"x|", 1},
        // Two carets type at both; Esc keeps the first.
        typing_case{u"a|\\Pb|", "\"x\"", u"ax|\\Pbx|", 1},
        typing_case{u"a|\\Pb|", "Esc \"y\"", u"ay|\\Pb", 1},
        typing_case{u"ab|", "Home Shift+End", u"[ab]", 0},
        typing_case{u"<1.\t>a|b", "Home \"x\"", u"<1.\t>x|ab", 1},
        typing_case{u"1.|", "Tab \"x\"", u"<1.\t>x|", 1},
        typing_case{u"a|", "Ctrl+Enter", u"a|", 1},
        typing_case{u"a|", "Shift+Enter \"b\"", u"a\nb|", 1},
        typing_case{u"ab|", "Ctrl+Z Ctrl+Y", u"ab|", 0},
        typing_case{u"a b|", "Ctrl+Backspace", u"a |", 1}));

TEST(Editor, UndoAndRedoWalkTheStepsBackAndForth) {
  edit_session s(u"|");
  s.keys("\"abc\" Left \"d\"");
  const char* walk[][2] = {{"Ctrl+Z", "ab|c"}, {"Ctrl+Z", "|"}, {"Ctrl+Y", "ab|c"}, {"Ctrl+Y", "abd|c"}};
  for (const auto& [key, seen] : walk) {
    s.keys(key);
    EXPECT_EQ(mtext_test::utf8(s.seen()), seen) << key;
  }
  EXPECT_EQ(s.toolbar_notices.back(), win::editor_changed_by_history);
}

TEST(Editor, EscWithSeveralCaretsKeepsOneThenCancels) {
  edit_session s(u"a|b\\Pcd");
  s.keys("Ctrl+Down");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a|b\\Pc|d");
  s.keys("Esc");
  EXPECT_TRUE(s.host.posted.empty());
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a|b\\Pcd");
  s.keys("Esc");
  EXPECT_EQ(s.host.posted, std::vector<std::string>{"^C"});
}

TEST(Editor, EnterInSingleLineModeBreaksOnceThenAccepts) {
  edit_session s(u"|", true);
  s.keys("\"ab\" Enter");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "ab\\P|");
  EXPECT_TRUE(s.host.posted.empty());
  s.keys("Enter");
  EXPECT_EQ(s.host.posted, std::vector<std::string>{"^M"});
}

TEST(Editor, RepeatCountsAndTheColumnLimit) {
  edit_session s(u"abcd|");
  s.key_down(win::VK_BACK, 0);
  EXPECT_EQ(mtext_test::utf8(s.seen()), "abcd|");
  s.key_down(win::VK_BACK, 3);
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a|");
  EXPECT_EQ(s.undo_depth(), 1u);

  editor::column_settings hundred = s.editor.entity().columns();
  hundred.type = OdDbMText::kDynamicColumns;
  hundred.auto_height = false;
  hundred.heights.assign(100, 10.0);
  s.editor.entity().setColumns(hundred);
  s.keys("Ctrl+T");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a|");
  EXPECT_EQ(s.undo_depth(), 1u) << "no step for a column break that cannot be";
}

TEST(Editor, MouseSelectsByClickDragAndDoubleClick) {
  edit_session s(u"abc def|");
  s.mouse("click 1.1,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a|bc def");
  s.mouse("Shift+click 4.6,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a[bc d]ef");
  s.mouse("down 0.2,-0.5");
  s.mouse("move 2.2,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "[ab]c def");
  s.mouse("up 2.2,-0.5");
  s.mouse("dblclick 5.2,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "abc [def]");
  s.mouse("Ctrl+click 1.1,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a|bc [def]");
}

TEST(Editor, ContextMenuItemsFollowTheState) {
  edit_session s(u"ab|");
  s.mouse("rclick 0.5,-0.5");
  std::vector<std::pair<int, bool>> state;
  for (const editor::menu_item& item : s.host.shown_menu) state.emplace_back(item.id, item.enabled);
  EXPECT_EQ(state, (std::vector<std::pair<int, bool>>{
                       {1001, true}, {1002, false}, {1003, false}, {1004, false}, {1005, false}, {1006, false},
                       {1049, true}, {0, true}}));
  // Symbols and select-all from the menu; a symbol joins the running step.
  s.host.menu_choices = {1007, 1001};
  s.mouse("rclick 0.5,-0.5");
  s.mouse("rclick 0.5,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "[ab\u00B0]");
}

TEST(Editor, MenuCutCopyPasteUndoRedo) {
  win::memory_clipboard board;
  edit_session s(u"[ab]c", false, &board);
  s.host.menu_choices = {1003, 1002};
  s.mouse("rclick 0.5,-0.5");  // copy
  s.mouse("rclick 0.5,-0.5");  // cut, joining the caret step: nothing to undo
  EXPECT_EQ(mtext_test::utf8(s.seen()), "|c");
  EXPECT_EQ(s.undo_depth(), 0u);
  s.keys("\"x\"");
  s.host.menu_choices = {1004, 1005, 1006};
  s.mouse("rclick 0.5,-0.5");  // paste joins the typing
  EXPECT_EQ(mtext_test::utf8(s.seen()), "xab|c");
  s.mouse("rclick 0.5,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "|c");
  s.mouse("rclick 0.5,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "xab|c");
}

TEST(Editor, PasteKeepsFormatsOrTakesPlainLines) {
  win::memory_clipboard board;
  {
    edit_session from(u"[{\\fArial|b1;\\C1;x}y]", false, &board);
    from.keys("Ctrl+C");
  }
  edit_session rich(u"a|", false, &board);
  rich.keys("Ctrl+V");
  EXPECT_EQ(rich.editor.entity().currentContent(), u"\\pxi0,l0,r0,b0,a0;a{\\fArial|b1|i0|c0|p0;\\C1;x}y");

  board.open(win::window_id::none);
  board.empty();
  board.setData(win::CF_UNICODETEXT, u"one\ntwo\nthree");
  board.close();
  edit_session lines(u"|", false, &board);
  lines.keys("Ctrl+V");
  EXPECT_EQ(mtext_test::utf8(lines.seen()), "one\\Ptwo\\Pthree|");
}

TEST(Editor, CaretBlinksByTheTimerOnlyOnceDrawn) {
  edit_session s(u"a|");
  auto& layer = *s.editor.caretLayer();
  s.system.timers().advance(editor::blink_tick * editor::blink_ticks_per_phase);
  EXPECT_FALSE(layer.visible);
  s.system.timers().advance(editor::blink_tick * editor::blink_ticks_per_phase);
  EXPECT_FALSE(layer.visible) << "the last switch was never drawn";
  OdGiRecorder gi;
  gi.draw(&layer);
  s.system.timers().advance(editor::blink_tick * editor::blink_ticks_per_phase);
  EXPECT_TRUE(layer.visible);
}

}  // namespace
