// The in-memory window registry.
#include "platform/win/memory_windows.h"

namespace win {

window_id memory_windows::createWindow(message_handler handler) {
  const auto window = static_cast<window_id>(++m_last_id);
  m_handlers.emplace(window, std::make_shared<message_handler>(std::move(handler)));
  return window;
}

bool memory_windows::destroyWindow(window_id window) {
  if (m_handlers.erase(window) == 0) return false;
  if (m_destroyed) m_destroyed(window);
  return true;
}

lresult memory_windows::sendMessage(window_id window, message_id message, wparam wParam, lparam lParam) {
  const auto found = m_handlers.find(window);
  if (found == m_handlers.end() || !*found->second) return 0;
  const std::shared_ptr<message_handler> handler = found->second;
  return (*handler)(window_message{window, message, wParam, lParam});
}

}  // namespace win
