// Virtual-key codes as Windows numbers them: the keys the editor's bindings
// and the scripted keystrokes name, and the ones whose state is queried.
#pragma once

#include <cstdint>

namespace win {

using virtual_key = std::uint16_t;

inline constexpr virtual_key VK_LBUTTON = 0x01;
inline constexpr virtual_key VK_RBUTTON = 0x02;
inline constexpr virtual_key VK_MBUTTON = 0x04;
inline constexpr virtual_key VK_BACK = 0x08;
inline constexpr virtual_key VK_TAB = 0x09;
inline constexpr virtual_key VK_RETURN = 0x0D;
inline constexpr virtual_key VK_SHIFT = 0x10;
inline constexpr virtual_key VK_CONTROL = 0x11;
inline constexpr virtual_key VK_MENU = 0x12;  // Alt
inline constexpr virtual_key VK_CAPITAL = 0x14;  // Caps Lock
inline constexpr virtual_key VK_ESCAPE = 0x1B;
inline constexpr virtual_key VK_SPACE = 0x20;
inline constexpr virtual_key VK_PRIOR = 0x21;  // Page Up
inline constexpr virtual_key VK_NEXT = 0x22;   // Page Down
inline constexpr virtual_key VK_END = 0x23;
inline constexpr virtual_key VK_HOME = 0x24;
inline constexpr virtual_key VK_LEFT = 0x25;
inline constexpr virtual_key VK_UP = 0x26;
inline constexpr virtual_key VK_RIGHT = 0x27;
inline constexpr virtual_key VK_DOWN = 0x28;
inline constexpr virtual_key VK_INSERT = 0x2D;
inline constexpr virtual_key VK_DELETE = 0x2E;
inline constexpr virtual_key VK_F1 = 0x70;
inline constexpr virtual_key VK_F2 = 0x71;
inline constexpr virtual_key VK_F3 = 0x72;
inline constexpr virtual_key VK_F4 = 0x73;
inline constexpr virtual_key VK_F5 = 0x74;
inline constexpr virtual_key VK_F6 = 0x75;
inline constexpr virtual_key VK_F7 = 0x76;
inline constexpr virtual_key VK_F8 = 0x77;
inline constexpr virtual_key VK_F9 = 0x78;
inline constexpr virtual_key VK_F10 = 0x79;
inline constexpr virtual_key VK_F11 = 0x7A;
inline constexpr virtual_key VK_F12 = 0x7B;

// The key of a digit or a capital letter, which is its ASCII code (Windows
// names no constant for them). Anything else does not compile: a small 'a'
// would be 0x61, the key code of the keypad's 1.
consteval virtual_key vk_of(char c) {
  if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))) throw "vk_of takes '0'-'9' or 'A'-'Z'";
  return static_cast<virtual_key>(c);
}

}  // namespace win
