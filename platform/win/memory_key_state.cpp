// The in-memory key state.
#include "platform/win/memory_key_state.h"

namespace win {

void memory_key_state::setKeyDown(virtual_key key, bool down) {
  if (key < m_down.size()) m_down.set(key, down);
}

void memory_key_state::setToggled(virtual_key key, bool on) {
  if (key < m_toggled.size()) m_toggled.set(key, on);
}

void memory_key_state::follow(const window_message& message) {
  const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  if (down || up) setKeyDown(static_cast<virtual_key>(message.wParam), down);
}

}  // namespace win
