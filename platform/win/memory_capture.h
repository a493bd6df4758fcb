// memory_capture: which window holds the mouse capture, for tests and the
// scripted host; the window losing it is told through the window registry.
#pragma once

#include "platform/win/IMouseCapture.h"
#include "platform/win/IWindows.h"

namespace win {

class memory_capture : public IMouseCapture {
public:
  // Without `windows`, nobody is told of a lost capture.
  explicit memory_capture(IWindows* windows = nullptr) : m_windows(windows) {}

  window_id setCapture(window_id window) override;
  void releaseCapture() override { setCapture(window_id::none); }
  window_id captureWindow() const override { return m_holder; }

private:
  IWindows* m_windows;
  window_id m_holder = window_id::none;
};

}  // namespace win
