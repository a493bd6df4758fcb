#include <functional>

#include <gtest/gtest.h>

#include "editor/caret_motion.h"
#include "editor/selection_geometry.h"
#include "tests/editor/caret_notation.h"

namespace {

using editor_test::marked;
using editor_test::notation;
using mtext::geom_multitext;
using move = std::function<void(geom_multitext&)>;

move click(mtext::position at) {
  return [=](geom_multitext& t) { editor::select_at(t, at, false); };
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

// Keys, plain clicks, Ctrl+A and Esc are tested as a user sends them (smart_edit_test.cpp).
TEST(Selecting, AllFirstClicksAndWords) {
  check({
      {u"<1.\t>a|b", editor::select_all, u"<1.\t>[ab]"},
      {u"a|%<\\AcVar Date>%b", click(4), u"a%<\\AcVar Date>%|b"},
      {u"ab|cd", shift_click(0), u"[|ab]cd"},
      {u"a[bc]d", shift_click(0), u"[|a]bcd"},
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
