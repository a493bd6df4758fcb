// IWinSystem: the windowing layer the in-place editor talks to instead of an
// operating system's, one service per concern.
//
// Messages, keys and parameters use Windows' numbers (win_messages.h,
// win_keys.h, win_params.h). Everything is called on the user-interface
// thread; timer callbacks and sent messages arrive there too.
#pragma once

#include "platform/win/IClipboard.h"
#include "platform/win/ICursor.h"
#include "platform/win/IKeyState.h"
#include "platform/win/IMouseCapture.h"
#include "platform/win/ITimers.h"
#include "platform/win/IWindows.h"

namespace win {

class IWinSystem {
public:
  virtual ~IWinSystem() = default;
  virtual IKeyState& keyState() = 0;
  virtual ICursor& cursor() = 0;
  virtual IMouseCapture& capture() = 0;
  virtual ITimers& timers() = 0;
  virtual IWindows& windows() = 0;
  virtual IClipboard& clipboard() = 0;
};

}  // namespace win
