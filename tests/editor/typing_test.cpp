#include <functional>

#include <gtest/gtest.h>

#include "editor/typing.h"
#include "tests/editor/caret_notation.h"

namespace {

using editor::geom_edit_target;
using editor_test::editing;
using key = std::function<void(geom_edit_target&)>;

key type(std::u16string text, unsigned n = 1) {
  return [=](geom_edit_target& t) { editor::insert_text(t, text, n); };
}
key enter(bool column = false, unsigned n = 1) {
  return [=](geom_edit_target& t) { editor::insert_paragraph_break(t, column, n); };
}
key tab(bool outdent = false, unsigned n = 1) {
  return [=](geom_edit_target& t) { editor::insert_tab(t, outdent, n); };
}
key backspace(bool word = false, unsigned n = 1) {
  return [=](geom_edit_target& t) { editor::delete_backward(t, word, n); };
}
key del(bool word = false, unsigned n = 1) {
  return [=](geom_edit_target& t) { editor::delete_forward(t, word, n); };
}

struct row {
  std::u16string before;
  key press;
  std::u16string after;
};

void check(const std::vector<row>& rows) {
  for (const row& r : rows) {
    SCOPED_TRACE(mtext_test::utf8(r.before));
    editing e(r.before);
    r.press(e.target);
    EXPECT_EQ(mtext_test::utf8(e.written()), mtext_test::utf8(r.after));
  }
}

TEST(Typing, InsertsAtEverySelection) {
  check({
      {u"a|b", type(u"x"), u"ax|b"},
      {u"a[bc]d", type(u"x"), u"ax|d"},
      {u"a|b|c", type(u"x"), u"ax|bx|c"},
      {u"a|b", type(u"x", 3), u"axxx|b"},
      {u"a[b]c", type(u"x", 0), u"a[b]c"},
      {u"a|%<\\AcVar Date>%b", type(u"x"), u"ax|%<\\AcVar Date>%b"},
      {u"a|b", [](geom_edit_target& t) { editor::insert_line_break(t); }, u"a\n|b"},
  });
}

TEST(Typing, ParagraphBreaksContinueLists) {
  check({
      {u"a|b", enter(), u"a\\P|b"},
      {u"a[b]c|d", enter(true), u"a\\N|c\\N|d"},
      {u"<1.\t>a|b", enter(), u"<1.\t>a\\P<2.\t>|b"},
      {u"<1.\t>a\\P<2.\t>b|\\P<3.\t>c", enter(), u"<1.\t>a\\P<2.\t>b\\P<3.\t>|\\P<4.\t>c"},
      {u"<1.\t>a|", enter(false, 2), u"<1.\t>a\\P<2.\t>\\P<3.\t>|"},
      {u"<a.\t>x|", enter(), u"<a.\t>x\\P<b.\t>|"},
  });
}

TEST(Typing, TabMakesAndIndentsListItems) {
  check({
      {u"1.|a", tab(), u"<1.\t>|a"},
      {u"x\\P1.|", tab(), u"x\\P<1.\t>|"},
      {u"a|b", tab(), u"a\t|b"},
      {u"a[bc]", tab(), u"a\t|"},
      {u"<1.\t>a\\P<2.\t>|b", tab(), u"<1.\t>a\\P<1.1.\t>|b"},
      {u"<1.\t>a\\P<1.1.\t>|b", tab(true), u"<1.\t>a\\P<2.\t>|b"},
      {u"<1.\t>a\\P<2.\t>|b", tab(true), u"<1.\t>a\\P|b"},
      {u"<1.\t>a\\P<2.\t>[b\\P<3.\t>c]", tab(), u"<1.\t>a\\P<1.1.\t>[b\\P<1.2.\t>c]"},
      {u"<1.\t>a\\P<2.\t>|b", tab(false, 0), u"<1.\t>a\\P<2.\t>|b"},
  });
}

TEST(Typing, DeletesBackward) {
  check({
      {u"ab|c", backspace(), u"a|c"},
      {u"a[bc]d", backspace(), u"a|d"},
      {u"|ab", backspace(), u"|ab"},
      {u"abc|", backspace(false, 2), u"a|"},
      {u"ab|c", backspace(false, 0), u"ab|c"},
      {u"a|b|c", backspace(), u"|c"},
      {u"ab cd|", backspace(true), u"ab |"},
      {u"a%<\\AcVar Date>%|b", backspace(), u"a|b"},
      {u"<1.\t>a\\P<2.\t>|b", backspace(), u"<1.\t>a\\P|b"},
      {u"<1.\t>a[\\P<2.\t>b]\\P<3.\t>c", backspace(), u"<1.\t>a|\\P<2.\t>c"},
  });
}

TEST(Typing, DeletesForward) {
  check({
      {u"a|bc", del(), u"a|c"},
      {u"ab|", del(), u"ab|"},
      {u"|ab cd", del(true), u"| cd"},
      {u"a|%<\\AcVar Date>%b", del(), u"a|b"},
      {u"a|\\P<1.\t>b", del(), u"a|b"},
      {u"a|b|c", del(), u"a|"},
  });
}

TEST(Typing, BackspaceResetsAFormattedParagraphBeforeTakingItsBreak) {
  editing e(u"a\\P\\pxl2;|b");
  e.text.take_changes();
  editor::delete_backward(e.target, false);
  EXPECT_EQ(mtext_test::utf8(e.written()), "a\\P|b");
  EXPECT_EQ(mtext::part_cast<mtext::new_paragraph>(e.text.parts[1].part()).paragraph, mtext::format::paragraph{});
  EXPECT_EQ(e.text.changes().first, 1u);
  editor::delete_backward(e.target, false);
  EXPECT_EQ(mtext_test::utf8(e.written()), "a|b");
}

TEST(Typing, KeepsTheFormatsOfTextAndParagraph) {
  editing e(u"\\pxl2;{\\C1;a}|b");
  editor::insert_text(e.target, u"x");
  editor::insert_paragraph_break(e.target, false);
  EXPECT_EQ(e.text.parts[1].part().format.color.index, 1);
  EXPECT_EQ(mtext::part_cast<mtext::new_paragraph>(e.text.parts[2].part()).paragraph, e.text.paragraph);
  EXPECT_EQ(e.text.paragraph.left_indent, 2.0);
}

TEST(Typing, TabHangsTheLabelItMakes) {
  editing e(u"x\\P1.|a");
  editor::insert_tab(e.target, false);
  const auto& paragraph = mtext::part_cast<mtext::new_paragraph>(e.text.parts[1].part()).paragraph;
  EXPECT_GT(paragraph.left_indent, 0.0);
  EXPECT_LT(paragraph.first_indent, 0.0);
}

const mtext::marks::field& only_field(const mtext::geom_multitext& text) {
  for (const mtext::marks::mark& m : text.marks)
    if (const auto* f = dynamic_cast<const mtext::marks::field*>(&m)) return *f;
  throw std::logic_error("no field");
}

TEST(Fields, ReplacedFieldKeepsItsSelectionAndMark) {
  editing e(u"a[%<\\AcVar Date>%]b|");
  OdDbFieldPtr other = OdDbField::createObject();
  other->setFieldCode(u"\\AcVar Filename");
  other->setCachedValue(u"xy");
  editor::replace_field(e.target, only_field(e.text), other);
  EXPECT_EQ(mtext_test::utf8(e.written()), "a[%<\\AcVar Filename>%]b|");
  EXPECT_EQ(e.text.size(), 4u);
}

TEST(Fields, ConvertedFieldLeavesItsCharacters) {
  editing e(u"a|%<\\AcVar Date>%b");
  editor::field_to_text(e.target, only_field(e.text));
  EXPECT_EQ(mtext_test::utf8(e.written()), "a|####b");
}

}  // namespace
