// The in-memory mouse capture.
#include "platform/win/memory_capture.h"

#include <utility>

namespace win {

window_id memory_capture::setCapture(window_id window) {
  const window_id previous = std::exchange(m_holder, window);
  // Told after the change, so the loser sees the new holder when it asks.
  if (m_windows && previous != window && previous != window_id::none)
    m_windows->sendMessage(previous, WM_CAPTURECHANGED, 0, static_cast<lparam>(window));
  return previous;
}

}  // namespace win
