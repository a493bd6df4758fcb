#include <gtest/gtest.h>

#include "editor/clipboard.h"
#include "editor/geom_edit_target.h"
#include "mtext/layout.h"
#include "mtext/serialize.h"
#include "platform/win/memory_clipboard.h"
#include "tests/editor/caret_notation.h"

namespace {

using namespace mtext;
using win::window_id;

constexpr window_id editor_window{1};
constexpr window_id other_program{2};

using editor_test::editing;
using editor_test::notation;

void put(win::memory_clipboard& clipboard, win::clipboard_format format, const std::u16string& data) {
  clipboard.open(other_program);
  clipboard.setData(format, data);
  clipboard.close();
}

struct copy_row {
  std::u16string content;
  std::u16string plain;
};

void PrintTo(const copy_row& row, std::ostream* os) { *os << mtext_test::utf8(row.content); }

class CopyPlain : public testing::TestWithParam<copy_row> {};

TEST_P(CopyPlain, WritesPlainTextAndContentOfTheSelections) {
  win::memory_clipboard clipboard;
  editing e(GetParam().content);
  ASSERT_TRUE(editor::copy(e.text, e.target.default_format(), clipboard, editor_window));
  EXPECT_FALSE(clipboard.openedBy());
  clipboard.open(editor_window);
  EXPECT_EQ(clipboard.getData(win::CF_UNICODETEXT), GetParam().plain);
  const auto rich = clipboard.getData(editor::mtext_clipboard_format(clipboard));
  ASSERT_TRUE(rich);
  EXPECT_EQ(serialize_raw(mtext_test::parsed(*rich), true), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(Clipboard, CopyPlain,
                         testing::Values(copy_row{u"x[a\\Pb\\Pc]y", u"a\r\nb\r\nc"},
                                         copy_row{u"[a]b[c]", u"ac"},
                                         copy_row{u"[a\\~b\tc]", u"a\\~b\tc"}));

TEST(Copy, ClipboardHeldByAnotherOwnerFailsCopyAndPaste) {
  win::memory_clipboard clipboard;
  put(clipboard, win::CF_UNICODETEXT, u"old");
  clipboard.open(other_program);
  editing e(u"[ab]");
  EXPECT_FALSE(editor::copy(e.text, e.target.default_format(), clipboard, editor_window));
  EXPECT_FALSE(editor::paste(e.target, clipboard, editor_window, {}));
  EXPECT_EQ(notation(e.text), u"[ab]");
  EXPECT_EQ(clipboard.openedBy(), other_program);
}

struct paste_row {
  std::u16string target;
  std::u16string plain;
  std::u16string content;  // under "MText"; none when empty
  editor::paste_options options;
  std::u16string expected;
};

void PrintTo(const paste_row& row, std::ostream* os) {
  *os << mtext_test::utf8(row.target) << " <- " << mtext_test::utf8(row.plain);
}

class PasteText : public testing::TestWithParam<paste_row> {};

TEST_P(PasteText, ReplacesEverySelection) {
  const paste_row& row = GetParam();
  win::memory_clipboard clipboard;
  put(clipboard, win::CF_UNICODETEXT, row.plain);
  if (!row.content.empty()) put(clipboard, editor::mtext_clipboard_format(clipboard), row.content);
  editing e(row.target);
  ASSERT_TRUE(editor::paste(e.target, clipboard, editor_window, row.options));
  EXPECT_EQ(notation(e.text), row.expected);
  EXPECT_FALSE(clipboard.openedBy());
}

INSTANTIATE_TEST_SUITE_P(
    Clipboard, PasteText,
    testing::Values(paste_row{u"|", u"a\r\nb\r\nc", u"", {}, u"a\\Pb\\Pc|"},
                    paste_row{u"a[bc]d", u"X", u"", {}, u"aX|d"},
                    paste_row{u"a|b|c", u"X", u"", {}, u"aX|bX|c"},
                    paste_row{u"|", u"p", u"m\\Pn", {true, false}, u"p|"},
                    paste_row{u"|", u"p", u"m\\Pn", {}, u"m\\Pn|"},
                    paste_row{u"1.\ta|", u"b\n5.\tc\n", u"", {}, u"<1.\t>ab\\P<2.\t>c\\P|"}));

}  // namespace
