#include "editor/caret_blink.h"

namespace editor {

namespace {
constexpr win::timer_id blink_timer = 1;
}

caret_blink::caret_blink(win::IWinSystem& system, OdSmartPtr<caret_layer> layer, std::function<void()> invalidate)
    : m_system(system), m_layer(std::move(layer)), m_invalidate(std::move(invalidate)) {
  m_window = m_system.windows().createWindow([](const win::window_message&) { return win::lresult{0}; });
  m_system.timers().setTimer(m_window, blink_timer, blink_tick, [this](win::window_id, win::timer_id) { tick(); });
}

caret_blink::~caret_blink() { m_system.windows().destroyWindow(m_window); }

void caret_blink::tick() {
  if (++m_ticks < blink_ticks_per_phase) return;
  m_ticks = 0;
  if (m_layer->switched) return;  // the last switch is not on screen yet
  m_layer->visible = !m_layer->visible;
  m_layer->switched = true;
  if (m_invalidate) m_invalidate();
}

}  // namespace editor
