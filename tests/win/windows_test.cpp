// Sent messages, mouse capture, the cursor, the key state and the clipboard.
// Copy and paste through it, and a clipboard held by another program: tests/editor.
#include <gtest/gtest.h>

#include "platform/win/clipboard_formats.h"
#include "platform/win/memory_clipboard.h"
#include "platform/win/memory_win_system.h"

namespace {

using namespace win;

// A window that records what it receives and answers `result`.
struct recording_window {
  std::vector<window_message> received;
  window_id id;
  recording_window(IWindows& windows, lresult result = 0)
      : id(windows.createWindow([this, result](const window_message& m) {
          received.push_back(m);
          return result;
        })) {}
};

TEST(Windows, SendMessageReachesTheHandlerAndAnswersItsResult) {
  memory_win_system system;
  recording_window toolbar(system.windows(), 1234);
  EXPECT_EQ(system.windows().sendMessage(toolbar.id, WM_EDITOR_CHANGED, editor_changed_by_history, 0), 1234);
  EXPECT_EQ(toolbar.received, (std::vector<window_message>{{toolbar.id, 0x1D66, 1, 0}}));

  EXPECT_TRUE(system.windows().destroyWindow(toolbar.id));
  EXPECT_FALSE(system.windows().isWindow(toolbar.id));
  EXPECT_EQ(system.windows().sendMessage(toolbar.id, WM_EDITOR_CHANGED, 0, 0), 0);
  EXPECT_EQ(toolbar.received.size(), 1u);
}

TEST(Windows, AHandlerMayDestroyItsOwnWindow) {
  memory_windows windows;
  window_id self{};
  self = windows.createWindow([&](const window_message& m) {
    windows.destroyWindow(m.window);
    return lresult{5};
  });
  EXPECT_EQ(windows.sendMessage(self, WM_USER, 0, 0), 5);
  EXPECT_FALSE(windows.isWindow(self));
}

TEST(Capture, TheLoserIsToldWhoTookIt) {
  memory_win_system system;
  recording_window drawing(system.windows()), other(system.windows());
  IMouseCapture& capture = system.capture();
  EXPECT_EQ(capture.setCapture(drawing.id), window_id::none);
  EXPECT_EQ(capture.setCapture(other.id), drawing.id);
  capture.releaseCapture();
  EXPECT_EQ(capture.captureWindow(), window_id::none);
  const auto lost_to = [](window_id w) { return static_cast<lparam>(w); };
  EXPECT_EQ(drawing.received, (std::vector<window_message>{{drawing.id, WM_CAPTURECHANGED, 0, lost_to(other.id)}}));
  EXPECT_EQ(other.received, (std::vector<window_message>{{other.id, WM_CAPTURECHANGED, 0, 0}}));

  capture.setCapture(drawing.id);
  system.windows().destroyWindow(drawing.id);
  EXPECT_EQ(capture.captureWindow(), window_id::none) << "a destroyed window loses the capture";
}

struct key_step {
  message_id message;
  virtual_key key;
  bool shift, control, alt;
};

TEST(KeyState, FollowsKeyMessages) {
  const key_step steps[] = {
      {WM_KEYDOWN, VK_SHIFT, true, false, false},    {WM_KEYDOWN, VK_CONTROL, true, true, false},
      {WM_CHAR, VK_MENU, true, true, false},         {WM_SYSKEYDOWN, VK_MENU, true, true, true},
      {WM_KEYDOWN, vk_of('A'), true, true, true},    {WM_KEYUP, VK_SHIFT, false, true, true},
      {WM_SYSKEYUP, VK_MENU, false, true, false},    {WM_KEYUP, VK_CONTROL, false, false, false},
  };
  memory_key_state keys;
  for (const key_step& s : steps) {
    keys.follow(window_message{window_id::none, s.message, s.key, 0});
    EXPECT_EQ(keys.isKeyDown(VK_SHIFT), s.shift) << std::hex << s.message << " " << s.key;
    EXPECT_EQ(keys.isKeyDown(VK_CONTROL), s.control) << std::hex << s.message << " " << s.key;
    EXPECT_EQ(keys.isKeyDown(VK_MENU), s.alt) << std::hex << s.message << " " << s.key;
  }
  EXPECT_TRUE(keys.isKeyDown(vk_of('A')));
  EXPECT_FALSE(keys.isKeyDown(0x1234)) << "outside the key range";
}

TEST(ClipboardFormats, ANameKeepsItsNumberEverywhere) {
  memory_clipboard one, two;
  const clipboard_format mtext = one.registerFormat(u"MText");
  EXPECT_GE(mtext, first_registered_format);
  EXPECT_NE(mtext, CF_UNICODETEXT);
  EXPECT_EQ(two.registerFormat(u"MText"), mtext);
  EXPECT_EQ(process_clipboard().registerFormat(u"MTEXT"), mtext);  // names ignore case
  EXPECT_EQ(clipboard_format_name(mtext), u"MText");

  const clipboard_format other = register_clipboard_format(u"cadtext test format");
  EXPECT_GE(other, first_registered_format);
  EXPECT_NE(other, mtext);
  EXPECT_EQ(register_clipboard_format(u""), 0u);
  EXPECT_EQ(clipboard_format_name(CF_UNICODETEXT), std::nullopt);
}

TEST(Clipboard, ChangesNeedItOpen) {
  memory_clipboard clipboard;
  EXPECT_FALSE(clipboard.setData(CF_UNICODETEXT, u"x"));
  EXPECT_FALSE(clipboard.empty());
  EXPECT_FALSE(clipboard.close());
  EXPECT_FALSE(clipboard.isFormatAvailable(CF_UNICODETEXT));
}

}  // namespace
