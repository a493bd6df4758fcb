// Timers on the virtual clock: order, killing, and ticks as messages.
#include <gtest/gtest.h>

#include <string>

#include "platform/win/memory_win_system.h"

namespace {

using namespace win;
using namespace std::chrono_literals;

const auto kWindow = static_cast<window_id>(7);

// Each tick as "<id>@<now>".
struct tick_log {
  memory_timers& timers;
  std::string text;
  timer_callback record() {
    return [this](window_id, timer_id id) { text += std::to_string(id) + "@" + std::to_string(timers.now().count()) + " "; };
  }
};

struct timers_case {
  std::chrono::milliseconds first, second, advance;
  const char* ticks;
};

TEST(Timers, TicksFireInDueOrderAtTheirTime) {
  const timers_case cases[] = {
      {50ms, 120ms, 250ms, "1@50 1@100 2@120 1@150 1@200 2@240 1@250 "},
      {100ms, 50ms, 200ms, "2@50 1@100 2@100 2@150 1@200 2@200 "},  // ties: the timer set first
      {0ms, 25ms, 30ms, "1@10 1@20 2@25 1@30 "},  // intervals below 10 ms run at 10 ms
      {60ms, 60ms, 59ms, ""},
  };
  for (const timers_case& c : cases) {
    memory_timers timers;
    tick_log log{timers, {}};
    timers.setTimer(kWindow, 1, c.first, log.record());
    timers.setTimer(kWindow, 2, c.second, log.record());
    timers.advance(c.advance);
    EXPECT_EQ(log.text, c.ticks) << c.first.count() << " and " << c.second.count();
    EXPECT_EQ(timers.now(), c.advance);
  }
}

TEST(Timers, KilledTimersStop) {
  memory_timers timers;
  tick_log log{timers, {}};
  timers.setTimer(kWindow, 1, 50ms, log.record());
  timers.setTimer(kWindow, 2, 50ms, log.record());
  timers.advance(50ms);
  EXPECT_TRUE(timers.killTimer(kWindow, 1));
  EXPECT_FALSE(timers.killTimer(kWindow, 1));
  timers.advance(50ms);
  EXPECT_EQ(log.text, "1@50 2@50 2@100 ");

  // Setting a timer again restarts its interval.
  timers.setTimer(kWindow, 2, 30ms, log.record());
  timers.advance(70ms);
  EXPECT_EQ(log.text, "1@50 2@50 2@100 2@130 2@160 ");
}

TEST(Timers, ACallbackCanKillItsTimerAfterSevenTicks) {
  memory_timers timers;
  int ticks = 0;
  timers.setTimer(kWindow, 3, 50ms, [&](window_id window, timer_id id) {
    if (++ticks == 7) timers.killTimer(window, id);
  });
  timers.advance(1000ms);
  EXPECT_EQ(ticks, 7);
  EXPECT_EQ(timers.count(), 0u);
}

TEST(Timers, WithoutACallbackTheWindowGetsTimerMessages) {
  memory_win_system system;
  std::vector<window_message> received;
  const window_id window = system.windows().createWindow([&](const window_message& m) {
    received.push_back(m);
    return 0;
  });
  system.timers().setTimer(window, 42, 50ms);
  system.timers().advance(100ms);
  const window_message tick{window, WM_TIMER, 42, 0};
  EXPECT_EQ(received, (std::vector<window_message>{tick, tick}));

  // A destroyed window's timers die with it.
  system.windows().destroyWindow(window);
  EXPECT_EQ(system.timers().count(), 0u);
}

}  // namespace
