// caret_blink: switches the caret layer on and off by a timer of a hidden
// window, once per drawing: a tick that finds the last switch not yet drawn
// leaves the caret as it is, so a slow view never skips a state.
#pragma once

#include <functional>

#include "editor/caret_layer.h"
#include "platform/win/IWinSystem.h"

namespace editor {

// Seven ticks of 50 ms make one phase of the blink.
inline constexpr std::chrono::milliseconds blink_tick{50};
inline constexpr int blink_ticks_per_phase = 7;

class caret_blink {
public:
  // Starts blinking `layer`; `invalidate` asks the view to draw it again.
  caret_blink(win::IWinSystem& system, OdSmartPtr<caret_layer> layer, std::function<void()> invalidate);
  ~caret_blink();
  caret_blink(const caret_blink&) = delete;
  caret_blink& operator=(const caret_blink&) = delete;

private:
  void tick();

  win::IWinSystem& m_system;
  OdSmartPtr<caret_layer> m_layer;
  std::function<void()> m_invalidate;
  win::window_id m_window;
  int m_ticks = 0;
};

}  // namespace editor
