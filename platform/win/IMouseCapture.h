// IMouseCapture: the window that receives every mouse message while a drag
// runs, even with the pointer outside it.
#pragma once

#include "platform/win/win_messages.h"

namespace win {

class IMouseCapture {
public:
  virtual ~IMouseCapture() = default;
  // Gives the capture to `window`; answers the window that held it before.
  // The window losing the capture is sent WM_CAPTURECHANGED.
  virtual window_id setCapture(window_id window) = 0;
  // Ends the capture, whoever holds it.
  virtual void releaseCapture() = 0;
  // The window holding the capture, or none.
  virtual window_id captureWindow() const = 0;
};

}  // namespace win
