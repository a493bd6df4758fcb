// host_message: one window message as the host hands it to message filters,
// numbered as Windows numbers them, with the cursor in drawing coordinates.
#pragma once

#include <cstdint>

#include "platform/sdk/OdGePoint3d.h"

enum host_message_id : std::uint32_t {
  kMsgKeyDown = 0x0100,
  kMsgKeyUp = 0x0101,
  kMsgChar = 0x0102,
  kMsgCommand = 0x0111,  // a button clicked: its id in wParam (WM_COMMAND)
  kMsgMouseMove = 0x0200,  // 512
  kMsgLButtonDown = 0x0201,
  kMsgLButtonUp = 0x0202,
  kMsgLButtonDblClk = 0x0203,
  kMsgRButtonDown = 0x0204,
  kMsgRButtonUp = 0x0205,
  kMsgMouseWheel = 0x020A,
};

// Modifier keys held while the message arrived (for keys, the key state the
// editor would read; for mouse messages, Windows' MK_ bits).
enum host_modifier : std::uint32_t {
  kModShift = 0x0004,
  kModControl = 0x0008,
  kModAlt = 0x0020,
};

// Virtual-key codes of the named keys.
enum host_virtual_key : std::uint32_t {
  kVkBack = 0x08, kVkTab = 0x09, kVkReturn = 0x0D, kVkShift = 0x10, kVkControl = 0x11,
  kVkMenu = 0x12, kVkEscape = 0x1B, kVkSpace = 0x20, kVkPrior = 0x21, kVkNext = 0x22,
  kVkEnd = 0x23, kVkHome = 0x24, kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27,
  kVkDown = 0x28, kVkInsert = 0x2D, kVkDelete = 0x2E, kVkF1 = 0x70,
};

struct host_message {
  std::uint32_t message = 0;
  std::uintptr_t wParam = 0;  // key code, character (UTF-16 unit) or mouse button state
  std::intptr_t lParam = 0;   // repeat count and key flags for keys; wheel delta for the wheel
  std::uint32_t modifiers = 0;
  OdGePoint3d point;          // cursor in world coordinates (mouse messages)
};

// The control character Windows' TranslateMessage makes of a key, 0 for
// none: Ctrl+letter its code (1 to 26), Ctrl+Enter a line feed,
// Ctrl+Backspace DEL; Enter, Tab, Backspace and Esc their codes. Alt keys
// make none.
inline char16_t hostControlChar(std::uint32_t vk, std::uint32_t modifiers) {
  if (modifiers & kModAlt) return 0;
  if (modifiers & kModControl) {
    if (vk >= 'A' && vk <= 'Z') return char16_t(vk - 'A' + 1);
    if (vk == kVkReturn) return u'\n';
    if (vk == kVkBack) return 0x7F;
    return 0;
  }
  switch (vk) {
    case kVkReturn: return u'\r';
    case kVkTab: return u'\t';
    case kVkBack: return 0x08;
    case kVkEscape: return 0x1B;
    default: return 0;
  }
}
