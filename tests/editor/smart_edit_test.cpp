// The in-place editor driven by the messages a keyboard and mouse send,
// checked by what the user sees: the text with its carets, the undo depth,
// what was posted to the host.
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "editor/clipboard.h"
#include "editor/selection_geometry.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdGiSvgWriter.h"
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
        typing_case{u"ab\\Pcd\\Pe|f", "Ctrl+Up Ctrl+Up \"x\"", u"ax|b\\Pcx|d\\Pex|f", 1},
        typing_case{u"ab|", "Home Shift+End", u"[ab]", 0},
        typing_case{u"<1.\t>a|b", "Home \"x\"", u"<1.\t>x|ab", 1},
        typing_case{u"1.|", "Tab \"x\"", u"<1.\t>x|", 1},
        typing_case{u"a|", "Ctrl+Enter", u"a|", 1},
        typing_case{u"a|", "Shift+Enter \"b\"", u"a\nb|", 1},
        typing_case{u"a b|", "Ctrl+Backspace", u"a |", 1}));

// Caret moves take no undo step; they step over fields and list labels as over one character.
INSTANTIATE_TEST_SUITE_P(
    CaretMotion, Typing,
    ::testing::Values(
        typing_case{u"a[bc]d", "Left", u"a|bcd", 0}, typing_case{u"a[bc]d", "Right", u"abc|d", 0},
        typing_case{u"a[bc]d", "Shift+Left", u"a[b]cd", 0}, typing_case{u"a[|bc]d", "Shift+Left", u"[|abc]d", 0},
        typing_case{u"a|b|c", "Left Left", u"|abc", 0}, typing_case{u"abc|", "Right", u"abc|", 0},
        typing_case{u"a|%<\\AcVar Date>%b", "Right", u"a%<\\AcVar Date>%|b", 0},
        typing_case{u"x|\\P<1.\t>ab", "Right", u"x\\P<1.\t>|ab", 0},
        typing_case{u"x\\P<1.\t>|ab", "Left", u"x|\\P<1.\t>ab", 0},
        typing_case{u"<1.\t>|ab", "Left", u"<1.\t>|ab", 0},
        // By word.
        typing_case{u"ab cd|", "Ctrl+Left", u"ab |cd", 0}, typing_case{u"|ab cd", "Ctrl+Right Ctrl+Right", u"ab cd|", 0},
        typing_case{u"|ab cd", "Ctrl+Shift+Right", u"[ab] cd", 0},
        typing_case{u"ab %<\\AcVar Date>%| cd", "Ctrl+Left", u"ab |%<\\AcVar Date>% cd", 0},
        typing_case{u"ab\\P<1.\t>|cd", "Ctrl+Left", u"|ab\\P<1.\t>cd", 0},
        // By line, at the caret's x; Ctrl adds a caret.
        typing_case{u"ab|c\\Pde\\Pfghij", "Down", u"abc\\Pde|\\Pfghij", 0},
        typing_case{u"a|bc\\Pde", "Shift+Down", u"a[bc\\Pd]e", 0},
        typing_case{u"a|bc\\Pde\\Pfg", "Ctrl+Down", u"a|bc\\Pd|e\\Pfg", 0},
        typing_case{u"x\\P<1.\t>ab\\Pc|d", "Up", u"x\\P<1.\t>|ab\\Pcd", 0},
        // Line and text edges.
        typing_case{u"ab|c\\Pde", "End", u"abc|\\Pde", 0}, typing_case{u"abc\\Pd|e", "Home", u"abc\\P|de", 0},
        typing_case{u"x\\P<1.\t>ab|c", "Home", u"x\\P<1.\t>|abc", 0},
        typing_case{u"a|b\\Pc", "PageUp", u"|ab\\Pc", 0},
        typing_case{u"a|b\\Pc", "Shift+PageDown", u"a[b\\Pc]", 0}));

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
  // Every selection is copied, joined; a paste replaces every selection and numbers list items.
  edit_session two(u"[a\\P]b[c]", false, &board);
  two.keys("Ctrl+C");
  board.open(win::window_id::none);
  EXPECT_EQ(board.getData(win::CF_UNICODETEXT), u"a\r\nc");
  board.empty();
  board.setData(win::CF_UNICODETEXT, u"X");
  board.close();
  edit_session carets(u"a|b|c", false, &board);
  carets.keys("Ctrl+V");
  EXPECT_EQ(mtext_test::utf8(carets.seen()), "aX|bX|c");
  board.open(win::window_id::none);
  board.empty();
  board.setData(win::CF_UNICODETEXT, u"b\n5.\tc\n");
  board.close();
  edit_session items(u"1.\ta|", false, &board);
  items.keys("Ctrl+V");
  EXPECT_EQ(mtext_test::utf8(items.seen()), "<1.\t>ab\\P<2.\t>c\\P|");
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

namespace {

// The field items replace, refresh or dissolve the field under the pointer;
// without one there, Insert field puts the host's field at every caret.
TEST(Editor, FieldItemsOfTheContextMenu) {
  const struct {
    int id;
    const char* after;
    std::size_t undo_depth;
  } rows[] = {
      {1052, "a|%<\\AcVar Filename>%b", 1},
      {1054, "a|%<\\AcVar Date>%b", 0},
      {1056, "a|####b", 0},
  };
  for (const auto& r : rows) {
    edit_session s(u"a|%<\\AcVar Date>%b");
    s.host.next_field = OdDbField::createObject();
    s.host.next_field->setFieldCode(u"%<\\AcVar Filename>%");
    s.host.menu_choices = {r.id};
    s.mouse("rclick 1.5,-0.5");
    std::vector<int> ids;
    for (const editor::menu_item& item : s.host.shown_menu) ids.push_back(item.id);
    EXPECT_EQ(ids, (std::vector<int>{1001, 1002, 1003, 1004, 1005, 1006, 1052, 1054, 1056, 0}));
    EXPECT_EQ(mtext_test::utf8(s.seen()), r.after) << r.id;
    EXPECT_EQ(s.undo_depth(), r.undo_depth) << r.id;
  }
  edit_session s(u"ab|");
  s.host.next_field = OdDbField::createObject();
  s.host.next_field->setFieldCode(u"%<\\AcVar Date>%");
  s.host.menu_choices = {1049};
  s.mouse("rclick 0.5,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "ab%<\\AcVar Date>%|");
  EXPECT_EQ(s.undo_depth(), 1u);
}

TEST(Editor, DoubleClickOnAFieldOffersItToTheHost) {
  edit_session s(u"a %<\\AcVar Date>% b|");
  s.host.next_field = OdDbField::createObject();
  s.host.next_field->setFieldCode(u"%<\\AcVar Filename>%");
  s.mouse("dblclick 3.5,-0.5");
  EXPECT_EQ(mtext_test::utf8(s.seen()), "a [%<\\AcVar Filename>%] b") << "the click before selected the field";
  EXPECT_EQ(s.undo_depth(), 1u);
}

// Ctrl+V into a Text that holds a string takes plain text on one line.
TEST(Editor, SingleLinePasteJoinsTheLines) {
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbTextPtr text = OdDbText::createObject();
  text->setDatabaseDefaults(database.get());
  text->setTextString(u"xy");
  database->addEntity(text.get());
  win::memory_clipboard board;
  board.open(win::window_id::none);
  board.setData(win::CF_UNICODETEXT, u"a\r\nb");
  board.close();
  editor_test::test_edit_host host;
  win::memory_win_system system(board);
  editor::smart_edit edit(host, system);
  edit.setUp(text);
  EXPECT_EQ(text->visibility(), OdDb::kInvisible);
  system.keyState().setKeyDown(win::VK_CONTROL, true);
  edit.handleMessage(win::WM_KEYDOWN, 'V', win::key_lparam({1}), {});
  system.keyState().setKeyDown(win::VK_CONTROL, false);
  edit.commit(true);
  EXPECT_EQ(text->textString(), OdString(u"a bxy"));
  EXPECT_EQ(text->visibility(), OdDb::kVisible);
}

// docs/edit-session.png is this picture, rendered: an MText edited in a
// dark view, with a selection over two lines and two carets over the
// backdrop, inside the frame.
TEST(Editor, TheViewDrawsHighlightTextControlsAndCarets) {
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbMTextPtr source = OdDbMText::createObject();
  source->setDatabaseDefaults(database.get());
  source->setContents(u"{\\C1;Red} words and more words\\Pin a {\\fArial|b1;second} paragraph, and another");
  source->setWidth(40.0);
  source->setTextHeight(2.5);
  database->addEntity(source.get());
  editor_test::test_edit_host host;
  win::memory_win_system system;
  editor::smart_edit edit(host, system);
  edit.setUp(source, OdCmEntityColor(33, 40, 48));
  mtext::geom_multitext& text = edit.entity().text();
  mtext::marks::set_selections({mtext::marks::selection(20, 38), mtext::marks::selection(50, 50),
                                mtext::marks::selection(66, 66)}, text.marks);
  edit.entity().endOperation(true);

  OdGiRecorder gi;
  od_gi_view view;
  view.pixels_per_unit = 12.0;  // the ruler and handles are sized in pixels
  gi.setView(view);
  for (const OdGiDrawablePtr& d : edit.drawables()) gi.draw(d.get());
  std::size_t highlights = 0, stems = 0, runs = 0;
  for (const od_gi_primitive& p : gi.primitives()) {
    if (p.kind == od_gi_primitive_kind::polygon && p.traits.trueColor == OdCmEntityColor(255, 255, 255)) ++highlights;
    if (p.kind == od_gi_primitive_kind::polyline && p.points.size() == 2 && p.traits.trueColor == edit.caretLayer()->colour &&
        std::abs(p.points[0].x - p.points[1].x) < 1e-9 && p.points[0].y != p.points[1].y)
      ++stems;
    if (p.kind == od_gi_primitive_kind::text_run) ++runs;
  }
  EXPECT_EQ(highlights, editor::selection_boxes(text, 20, 38).size());
  EXPECT_GE(highlights, 2u) << "the selection spans lines";
  EXPECT_EQ(stems, 2u);
  EXPECT_GT(runs, 0u);
  std::ofstream(std::filesystem::temp_directory_path() / "edit-session.svg") << od_gi_svg_document(
      gi.primitives(), {.margin = 0.05, .foreground = 0xFFFFFF, .background = 0x212830, .width_px = 560});
}

}  // namespace
