// memory_windows: a registry of windows by id whose handlers receive the
// messages sent to them, for tests and the scripted host.
#pragma once

#include <memory>
#include <unordered_map>

#include "platform/win/IWindows.h"

namespace win {

class memory_windows : public IWindows {
public:
  // `destroyed` is told of each window destroyed (to drop its timers and capture).
  explicit memory_windows(std::function<void(window_id)> destroyed = {}) : m_destroyed(std::move(destroyed)) {}

  window_id createWindow(message_handler handler) override;
  bool destroyWindow(window_id window) override;
  bool isWindow(window_id window) const override { return m_handlers.count(window) != 0; }
  lresult sendMessage(window_id window, message_id message, wparam wParam, lparam lParam) override;

private:
  // Shared, so a handler that destroys its own window runs to its end.
  std::unordered_map<window_id, std::shared_ptr<message_handler>> m_handlers;
  std::uintptr_t m_last_id = 0;  // ids are never reused
  std::function<void(window_id)> m_destroyed;
};

}  // namespace win
