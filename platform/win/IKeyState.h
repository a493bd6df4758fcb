// IKeyState: whether a key is held down, read when a message is handled
// (the editor asks for Shift, Ctrl and Alt once per key repetition).
#pragma once

#include "platform/win/win_keys.h"

namespace win {

class IKeyState {
public:
  virtual ~IKeyState() = default;
  // The generic VK_SHIFT, VK_CONTROL and VK_MENU answer for either key of the pair.
  virtual bool isKeyDown(virtual_key key) const = 0;
  // Whether a toggle key (Caps Lock) is on; off where the system cannot tell.
  virtual bool isToggled(virtual_key) const { return false; }
};

}  // namespace win
