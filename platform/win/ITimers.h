// ITimers: timers that call back on the user-interface thread at a fixed
// interval until killed (the editor's caret blinks by one).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "platform/win/win_messages.h"

namespace win {

using timer_id = std::uintptr_t;
using timer_callback = std::function<void(window_id window, timer_id id)>;

// Windows' bounds: shorter intervals run at the minimum, longer at the maximum.
inline constexpr std::chrono::milliseconds timer_minimum{10};
inline constexpr std::chrono::milliseconds timer_maximum{0x7FFFFFFF};

class ITimers {
public:
  virtual ~ITimers() = default;
  // Starts timer `id` of `window`, replacing one of the same window and id.
  // Each tick calls `callback`, or without one sends the window WM_TIMER
  // with wParam `id`.
  virtual void setTimer(window_id window, timer_id id, std::chrono::milliseconds interval,
                        timer_callback callback = {}) = 0;
  // False when the window has no such timer.
  virtual bool killTimer(window_id window, timer_id id) = 0;
};

}  // namespace win
