// memory_key_state: a table of held keys that a test sets, or that follows
// the key messages a host feeds to the editor.
#pragma once

#include <bitset>

#include "platform/win/IKeyState.h"
#include "platform/win/win_messages.h"

namespace win {

class memory_key_state : public IKeyState {
public:
  bool isKeyDown(virtual_key key) const override { return key < m_down.size() && m_down.test(key); }
  bool isToggled(virtual_key key) const override { return key < m_toggled.size() && m_toggled.test(key); }

  void setKeyDown(virtual_key key, bool down);
  void setToggled(virtual_key key, bool on);
  // Key-down and key-up messages (Alt's system ones too) press and release
  // their key; other messages change nothing.
  void follow(const window_message& message);

private:
  std::bitset<256> m_down, m_toggled;
};

}  // namespace win
