// Timers on a virtual clock.
#include "platform/win/memory_timers.h"

#include <algorithm>

namespace win {

std::vector<memory_timers::timer>::iterator memory_timers::find(window_id window, timer_id id) {
  return std::ranges::find_if(m_timers, [&](const timer& t) { return t.window == window && t.id == id; });
}

void memory_timers::setTimer(window_id window, timer_id id, std::chrono::milliseconds interval,
                             timer_callback callback) {
  interval = std::clamp(interval, timer_minimum, timer_maximum);
  killTimer(window, id);
  m_timers.push_back(timer{window, id, interval, m_now + interval, std::move(callback)});
}

bool memory_timers::killTimer(window_id window, timer_id id) {
  const auto found = find(window, id);
  if (found == m_timers.end()) return false;
  m_timers.erase(found);
  return true;
}

void memory_timers::killTimers(window_id window) {
  std::erase_if(m_timers, [&](const timer& t) { return t.window == window; });
}

memory_timers::timer* memory_timers::next_due(std::chrono::milliseconds until) {
  timer* next = nullptr;
  for (timer& t : m_timers)
    if (t.due <= until && (!next || t.due < next->due)) next = &t;
  return next;
}

void memory_timers::fire(const timer& t) {
  if (t.callback) t.callback(t.window, t.id);
  else if (m_windows) m_windows->sendMessage(t.window, WM_TIMER, t.id, 0);
}

void memory_timers::advance(std::chrono::milliseconds elapsed) {
  const std::chrono::milliseconds until = m_now + elapsed;
  while (timer* due = next_due(until)) {
    m_now = due->due;
    due->due += due->interval;
    // A copy: the callback may kill or replace this timer, or add others.
    const timer ticking = *due;
    fire(ticking);
  }
  m_now = until;
}

}  // namespace win
