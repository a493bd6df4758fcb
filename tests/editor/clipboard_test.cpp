// The clipboard held by another program. Copy and paste as a user does them:
// smart_edit_test.cpp.
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

}  // namespace
