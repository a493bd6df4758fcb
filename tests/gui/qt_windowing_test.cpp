// The Qt windowing layer: key events become the messages Windows would
// send, and the clipboard carries MText content beside plain text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>

#include "tests/gui/gui_application.h"
#include "app/gui/qt_messages.h"
#include "app/gui/qt_win_system.h"

namespace {

using gui_test::application;

// message, wParam, in order.
using messages = std::vector<std::pair<std::uint32_t, std::uintptr_t>>;

messages of(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  messages out;
  for (const host_message& m : gui::key_messages(event)) out.emplace_back(m.message, m.wParam);
  return out;
}

TEST(QtMessages, keys_become_key_down_and_the_characters_windows_types) {
  struct row { int key; Qt::KeyboardModifiers modifiers; QString text; messages expected; };
  const row rows[] = {
      {Qt::Key_A, Qt::NoModifier, "a", {{kMsgKeyDown, 'A'}, {kMsgChar, 'a'}}},
      {Qt::Key_A, Qt::ControlModifier, "\x01", {{kMsgKeyDown, 'A'}, {kMsgChar, 1}}},
      {Qt::Key_Return, Qt::NoModifier, "\r", {{kMsgKeyDown, kVkReturn}, {kMsgChar, '\r'}}},
      {Qt::Key_Return, Qt::ControlModifier, "", {{kMsgKeyDown, kVkReturn}, {kMsgChar, '\n'}}},
      {Qt::Key_Left, Qt::ShiftModifier, "", {{kMsgKeyDown, kVkLeft}}},
      {Qt::Key_F1, Qt::NoModifier, "", {{kMsgKeyDown, kVkF1}}},
      {Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("\u00d8"), {{kMsgChar, 0xD8}}},
  };
  for (const row& r : rows) EXPECT_EQ(of(r.key, r.modifiers, r.text), r.expected) << r.key;
}

TEST(QtWinSystem, the_clipboard_carries_mtext_beside_plain_text) {
  application();
  gui::qt_win_system system;
  win::IClipboard& clipboard = system.clipboard();
  const win::clipboard_format mtext = clipboard.registerFormat(u"MText");
  ASSERT_TRUE(clipboard.open(win::window_id{1}));
  EXPECT_FALSE(clipboard.open(win::window_id{2}));
  ASSERT_TRUE(clipboard.empty());
  ASSERT_TRUE(clipboard.setData(win::CF_UNICODETEXT, u"bold"));
  ASSERT_TRUE(clipboard.setData(mtext, u"{\\fArial|b1;bold}"));
  ASSERT_TRUE(clipboard.close());

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), "bold");
  EXPECT_EQ(QString::fromUtf8(data->data("MText")), "{\\fArial|b1;bold}");
  ASSERT_TRUE(clipboard.open(win::window_id{2}));
  EXPECT_EQ(clipboard.getData(mtext), std::u16string(u"{\\fArial|b1;bold}"));
  clipboard.close();
}

TEST(QtWinSystem, timers_tick_until_killed_and_destroying_a_window_ends_them) {
  application();
  gui::qt_win_system system;
  int ticks = 0;
  const win::window_id window = system.windows().createWindow([&](const win::window_message& m) {
    if (m.message == win::WM_TIMER) ++ticks;
    return win::lresult{0};
  });
  system.timers().setTimer(window, 7, std::chrono::milliseconds(10));
  while (ticks < 2) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  EXPECT_TRUE(system.timers().killTimer(window, 7));
  EXPECT_FALSE(system.timers().killTimer(window, 7));
  system.timers().setTimer(window, 8, std::chrono::milliseconds(10));
  system.windows().destroyWindow(window);
  EXPECT_EQ(system.timers().running(), 0u);
}

}  // namespace
