// IWindows: windows that receive messages sent to them, such as the
// toolbar's window that the editor tells about each change.
#pragma once

#include <functional>

#include "platform/win/win_messages.h"

namespace win {

using message_handler = std::function<lresult(const window_message& message)>;

class IWindows {
public:
  virtual ~IWindows() = default;
  // A new window whose messages go to `handler`; never `none`.
  virtual window_id createWindow(message_handler handler) = 0;
  // Destroys the window with its timers and its mouse capture; false for an unknown window.
  virtual bool destroyWindow(window_id window) = 0;
  virtual bool isWindow(window_id window) const = 0;
  // Calls the window's handler now and answers its result; 0 for an unknown window.
  virtual lresult sendMessage(window_id window, message_id message, wparam wParam, lparam lParam) = 0;
};

}  // namespace win
