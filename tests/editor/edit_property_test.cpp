// Random edits with several carets, checked after every step: marks stay in
// the text, selections stay merged, no caret rests inside a solid; and
// undoing everything gives the original content back byte for byte.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "mtext/convert.h"
#include "tests/editor/edit_session.h"

namespace {

using editor_test::edit_session;

// Keys a user might press; paste takes the three lines put on the clipboard.
const char* const actions[] = {
    "\"x\"", "\"ab \"", "Backspace", "Ctrl+Backspace", "Delete", "Left", "Right", "Shift+Left", "Ctrl+Right",
    "Up", "Down", "Ctrl+Down", "Ctrl+Up", "Home", "Shift+End", "Enter", "Shift+Enter", "Tab", "Shift+Tab",
    "Ctrl+V", "Ctrl+X", "Ctrl+Z", "Ctrl+Z", "Ctrl+Y", "Esc", "PageDown", "Ctrl+A",
};

std::string well_formed(const mtext::geom_multitext& text) {
  const auto selections = mtext::marks::selections_of(text.marks);
  for (const mtext::marks::mark& m : text.marks)
    if (m.begin > m.end || m.end > text.size()) return "a mark outside the text";
  std::vector<std::pair<mtext::position, mtext::position>> ranges;
  for (const mtext::marks::selection* s : selections) ranges.emplace_back(s->begin, s->end);
  std::sort(ranges.begin(), ranges.end());
  for (std::size_t i = 1; i < ranges.size(); ++i)
    if (ranges[i].first < ranges[i - 1].second || ranges[i] == ranges[i - 1])
      return "selections overlap";
  for (const mtext::marks::selection* s : selections)
    for (const mtext::marks::mark& m : text.marks) {
      const auto* solid = dynamic_cast<const mtext::marks::solid*>(&m);
      if (!solid) continue;
      for (const mtext::position p : {s->begin, s->end})
        // A selection may end where a label begins; a caret may not rest there.
        if ((p > solid->begin && p < solid->end) || (s->empty() && p == solid->begin && !solid->open_begin && p < solid->end))
          return "a caret at " + std::to_string(p) + " inside the solid " + std::to_string(solid->begin) + "-" +
                 std::to_string(solid->end);
    }
  return {};
}

// Lists are numbered as numbering the whole text again would number them.
bool numbered(const ExMTextEditable& entity) {
  mtext::geom_multitext copy = entity.text();
  const mtext_test::fixed_finder finder;
  editor::geom_edit_target again(copy, entity.defaultFormat(), finder, mtext::marks::letters_dictionary::english());
  again.update_numbering();
  return mtext::encode(copy, entity.defaultFormat(), 1.0) == entity.currentContent();
}

TEST(EditProperty, RandomEditsKeepMarksWellFormedAndUndoToTheOriginal) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    win::memory_clipboard board;
    board.open(win::window_id::none);
    board.setData(win::CF_UNICODETEXT, u"one\ntwo\nthree");
    board.close();
    edit_session s(u"Alpha |beta\\P<1.\t>one\\P<2.\t>two %<\\AcVar Date>% end\\Pgamma", false, &board);
    const std::u16string original = s.editor.entity().currentContent();
    std::mt19937 random(seed);
    std::string done;
    for (int step = 0; step < 150; ++step) {
      const char* action = actions[random() % std::size(actions)];
      if (random() % 8 == 0) {
        const std::string at = std::to_string(random() % 12) + "," + std::to_string(-0.5 - 1.8 * (random() % 4));
        const std::string click = (random() % 2 ? "Ctrl+click " : "click ") + at;
        s.mouse(click);
        done += " " + click;
      } else {
        s.keys(action);
        done += std::string(" ") + action;
      }
      std::string fault = well_formed(s.editor.entity().text());
      if (fault.empty() && !numbered(s.editor.entity())) fault = "a list left unnumbered";
      ASSERT_TRUE(fault.empty()) << fault << " after seed " << seed << ":" << done;
    }
    while (s.undo_depth() > 0) s.keys("Ctrl+Z");
    EXPECT_EQ(mtext_test::utf8(s.editor.entity().currentContent()), mtext_test::utf8(original)) << "seed " << seed;
  }
}

}  // namespace
