#include <functional>

#include <gtest/gtest.h>

#include "editor/caret_motion.h"
#include "editor/selection_geometry.h"
#include "tests/editor/caret_notation.h"

namespace {

using editor::direction;
using editor_test::marked;
using editor_test::notation;
using mtext::geom_multitext;
using move = std::function<void(geom_multitext&)>;

constexpr direction back = direction::backward, fwd = direction::forward;

move step(direction way, bool word = false, bool shift = false, unsigned n = 1) {
  return [=](geom_multitext& t) { editor::move_by_step(t, way, word, shift, n); };
}
move line(direction way, bool shift = false, bool add = false, unsigned n = 1) {
  return [=](geom_multitext& t) { editor::move_by_line(t, way, shift, add, n); };
}
move edge(direction way, bool shift = false) {
  return [=](geom_multitext& t) { editor::move_to_line_edge(t, way, shift); };
}
move page(direction way, bool shift = false) {
  return [=](geom_multitext& t) { editor::move_to_text_edge(t, way, shift); };
}
move click(mtext::position at, bool add = false) {
  return [=](geom_multitext& t) { editor::select_at(t, at, add); };
}
move shift_click(mtext::position at) {
  return [=](geom_multitext& t) { editor::extend_to(t, at); };
}
move double_click(mtext::position at) {
  return [=](geom_multitext& t) { editor::select_word_at(t, at); };
}

struct row {
  std::u16string before;
  move act;
  std::u16string after;
};

void check(const std::vector<row>& rows) {
  for (const row& r : rows) {
    SCOPED_TRACE(mtext_test::utf8(r.before));
    geom_multitext text = marked(r.before);
    r.act(text);
    EXPECT_EQ(mtext_test::utf8(notation(text)), mtext_test::utf8(r.after));
  }
}

TEST(CaretMotion, StepsByCharacterOverFieldsAndLabels) {
  check({
      {u"ab|c", step(fwd), u"abc|"},
      {u"|abc", step(fwd, false, false, 2), u"ab|c"},
      {u"ab|c", step(fwd, false, false, 0), u"ab|c"},
      {u"abc|", step(fwd), u"abc|"},
      {u"a[bc]d", step(back), u"a|bcd"},
      {u"a[bc]d", step(fwd), u"abc|d"},
      {u"a[bc]d", step(back, false, true), u"a[b]cd"},
      {u"a[|bc]d", step(back, false, true), u"[|abc]d"},
      {u"a|bc", step(fwd, false, true, 2), u"a[bc]"},
      {u"a|b|c", step(back, false, false, 2), u"|abc"},
      {u"a|%<\\AcVar Date>%b", step(fwd), u"a%<\\AcVar Date>%|b"},
      {u"a%<\\AcVar Date>%|b", step(back), u"a|%<\\AcVar Date>%b"},
      {u"x|\\P<1.\t>ab", step(fwd), u"x\\P<1.\t>|ab"},
      {u"x\\P<1.\t>|ab", step(back), u"x|\\P<1.\t>ab"},
      {u"<1.\t>|ab", step(back), u"<1.\t>|ab"},
  });
}

TEST(CaretMotion, StepsByWord) {
  check({
      {u"ab cd|", step(back, true), u"ab |cd"},
      {u"|ab cd", step(fwd, true), u"ab| cd"},
      {u"ab| cd", step(fwd, true), u"ab cd|"},
      {u"|ab cd", step(fwd, true, true), u"[ab] cd"},
      {u"ab %<\\AcVar Date>%| cd", step(back, true), u"ab |%<\\AcVar Date>% cd"},
      {u"ab\\P<1.\t>|cd", step(back, true), u"|ab\\P<1.\t>cd"},
      {u"<1.\t>|cd", step(back, true), u"<1.\t>|cd"},
  });
}

TEST(CaretMotion, MovesByLineAtTheCaretsX) {
  check({
      {u"ab|c\\Pde\\Pfghij", line(fwd), u"abc\\Pde|\\Pfghij"},
      {u"abcd|e\\Pf\\Pghijk", line(fwd, false, false, 2), u"abcde\\Pf\\Pghij|k"},
      {u"ab|c\\Pde", line(back), u"|abc\\Pde"},
      {u"abc\\Pd|e", line(fwd), u"abc\\Pde|"},
      {u"a|bc\\Pde", line(fwd, true), u"a[bc\\Pd]e"},
      {u"a|bc\\Pde\\Pfg", line(fwd, false, true), u"a|bc\\Pd|e\\Pfg"},
      {u"a|bc\\Pde\\Pfg", line(fwd, false, true, 2), u"a|bc\\Pd|e\\Pf|g"},
      {u"abc\\Pd|e", line(back, false, true), u"a|bc\\Pd|e"},
      {u"x\\P<1.\t>ab\\Pc|d", line(back), u"x\\P<1.\t>|ab\\Pcd"},
  });
}

TEST(CaretMotion, HomeEndAndTextEdges) {
  check({
      {u"ab|c\\Pde", edge(back), u"|abc\\Pde"},
      {u"ab|c\\Pde", edge(fwd), u"abc|\\Pde"},
      {u"abc\\Pd|e", edge(back), u"abc\\P|de"},
      {u"abc\\Pd|e", edge(fwd), u"abc\\Pde|"},
      {u"x\\P<1.\t>ab|c", edge(back), u"x\\P<1.\t>|abc"},
      {u"<1.\t>ab|", edge(back), u"<1.\t>|ab"},
      {u"a|bc\\Pd", edge(fwd, true), u"a[bc]\\Pd"},
      {u"a|b\\Pc", page(back), u"|ab\\Pc"},
      {u"a|b\\Pc", page(fwd, true), u"a[b\\Pc]"},
  });
}

TEST(CaretMotion, LineMovesNeedLines) {
  geom_multitext text = marked(u"a|b\\Pc");
  text.lines.clear();
  for (const move& m : {line(fwd), line(back, false, true), edge(fwd)}) m(text);
  EXPECT_EQ(mtext_test::utf8(notation(text)), "a|b\\Pc");
}

TEST(Selecting, AllFirstClicksAndWords) {
  check({
      {u"a|b", editor::select_all, u"[ab]"},
      {u"<1.\t>a|b", editor::select_all, u"<1.\t>[ab]"},
      {u"a|b|c", editor::keep_first_selection, u"a|bc"},
      {u"ab|c", click(1), u"a|bc"},
      {u"ab|c", click(1, true), u"a|b|c"},
      {u"a|%<\\AcVar Date>%b", click(4), u"a%<\\AcVar Date>%|b"},
      {u"a|bcd", shift_click(3), u"a[bc]d"},
      {u"ab|cd", shift_click(0), u"[|ab]cd"},
      {u"a[bc]d", shift_click(0), u"[|a]bcd"},
      {u"ab cd ef", double_click(4), u"ab [cd] ef"},
      {u"ab cd ef", double_click(5), u"ab [cd] ef"},
      {u"ab  cd", double_click(3), u"ab[  ]cd"},
      {u"ab %<\\AcVar Date>% cd", double_click(5), u"ab [%<\\AcVar Date>%] cd"},
      {u"x\\P<1.\t>ab", double_click(3), u"x\\P<1.\t>|ab"},
  });
}

TEST(PositionAtPoint, FindsEveryPositionAtItsCaret) {
  const geom_multitext text = marked(u"ab %<\\AcVar Date>%\\P<1.\t>cd\\Pe");
  for (mtext::position at = 0; at <= text.size(); ++at) {
    const auto stem = editor::caret_at(text, at);
    ASSERT_TRUE(stem);
    const OdGePoint3d middle((stem->top.x + stem->bottom.x) / 2 + 0.2, (stem->top.y + stem->bottom.y) / 2, 0.0);
    EXPECT_EQ(editor::position_at_point(text, middle), at);
  }
}

TEST(PositionAtPoint, BeyondTheTextTakesTheNearestLineAndEnd) {
  const geom_multitext text = marked(u"abc\\Pde\\Pf");
  const double second = text.lines[1].y;
  EXPECT_EQ(editor::position_at_point(text, {-100.0, second, 0.0}), text.lines[1].begin);
  EXPECT_EQ(editor::position_at_point(text, {100.0, second, 0.0}), text.lines[1].end - 1);
  EXPECT_EQ(editor::position_at_point(text, {0.0, 100.0, 0.0}), 0u);
  EXPECT_EQ(editor::position_at_point(text, {100.0, -100.0, 0.0}), text.size());
  EXPECT_FALSE(editor::position_at_point(geom_multitext{}, {0.0, 0.0, 0.0}));
}

}  // namespace
