// memory_timers: timers on a virtual clock for tests and the scripted host.
// Time stands still until advance() moves it; every tick that falls due
// then fires, in the order of its due time, with the clock at that time.
#pragma once

#include <vector>

#include "platform/win/ITimers.h"
#include "platform/win/IWindows.h"

namespace win {

class memory_timers : public ITimers {
public:
  // Without `windows`, a timer without a callback ticks silently.
  explicit memory_timers(IWindows* windows = nullptr) : m_windows(windows) {}

  void setTimer(window_id window, timer_id id, std::chrono::milliseconds interval,
                timer_callback callback = {}) override;
  bool killTimer(window_id window, timer_id id) override;
  // Kills every timer of `window` (when it is destroyed).
  void killTimers(window_id window);

  // Moves the clock on by `elapsed`, firing the ticks due meanwhile. A
  // callback may set and kill timers; a timer killed by an earlier tick
  // does not fire.
  void advance(std::chrono::milliseconds elapsed);
  std::chrono::milliseconds now() const { return m_now; }
  std::size_t count() const { return m_timers.size(); }

private:
  struct timer {
    window_id window;
    timer_id id;
    std::chrono::milliseconds interval;
    std::chrono::milliseconds due;
    timer_callback callback;
  };

  std::vector<timer>::iterator find(window_id window, timer_id id);
  timer* next_due(std::chrono::milliseconds until);
  void fire(const timer& t);

  IWindows* m_windows;
  // In the order they were set, which orders ticks due at the same time.
  // A handful at most: scanned, not indexed.
  std::vector<timer> m_timers;
  std::chrono::milliseconds m_now{0};
};

}  // namespace win
