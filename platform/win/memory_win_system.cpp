// The in-memory windowing layer.
#include "platform/win/memory_win_system.h"

namespace win {

memory_win_system::memory_win_system(memory_clipboard& clipboard)
    : m_windows([this](window_id window) { window_destroyed(window); }), m_clipboard(clipboard) {}

void memory_win_system::window_destroyed(window_id window) {
  m_timers.killTimers(window);
  if (m_capture.captureWindow() == window) m_capture.releaseCapture();
}

}  // namespace win
