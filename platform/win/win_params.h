// How Windows packs values into a message's wParam and lParam: the mouse
// buttons and modifiers, the pointer position, and a key's repeat count
// and flags. Only the low 32 bits of a parameter carry anything.
#pragma once

#include <cstdint>

#include "platform/win/win_messages.h"

namespace win {

// Buttons and modifiers held during a mouse message (its wParam). Alt has no
// bit: it is read from the key state.
inline constexpr wparam MK_LBUTTON = 0x0001;
inline constexpr wparam MK_RBUTTON = 0x0002;
inline constexpr wparam MK_SHIFT = 0x0004;
inline constexpr wparam MK_CONTROL = 0x0008;
inline constexpr wparam MK_MBUTTON = 0x0010;

// Signed parameters convert modulo 2^64, so their low bits are kept.
constexpr std::uint16_t low_word(std::uint64_t value) { return static_cast<std::uint16_t>(value & 0xFFFF); }
constexpr std::uint16_t high_word(std::uint64_t value) { return static_cast<std::uint16_t>((value >> 16) & 0xFFFF); }

// Two words as one 32-bit value, zero-extended like MAKELPARAM.
constexpr lparam make_lparam(std::uint16_t low, std::uint16_t high) {
  return static_cast<lparam>(static_cast<std::uint32_t>(high) << 16 | low);
}

// The pointer of a mouse message in client pixels. Each coordinate travels
// as a signed 16-bit word, so a point left of or above the window (while
// the mouse is captured) comes back negative.
struct client_point {
  int x = 0;
  int y = 0;
  friend bool operator==(const client_point&, const client_point&) = default;
};

constexpr lparam point_lparam(client_point p) {
  return make_lparam(static_cast<std::uint16_t>(p.x), static_cast<std::uint16_t>(p.y));
}
constexpr client_point lparam_point(lparam value) {
  return {static_cast<std::int16_t>(low_word(value)), static_cast<std::int16_t>(high_word(value))};
}

// The lParam of a key message: repeat count in bits 0-15, scan code in
// 16-23, extended key (arrows, Insert, Delete, ... off the keypad) in 24,
// key already down in 30 (auto-repeat), key released in 31.
struct key_flags {
  std::uint16_t repeat_count = 1;
  std::uint8_t scan_code = 0;
  bool extended = false;
  bool was_down = false;
  bool released = false;
  friend bool operator==(const key_flags&, const key_flags&) = default;
};

constexpr lparam key_lparam(key_flags k) {
  const std::uint32_t bits = k.repeat_count | std::uint32_t{k.scan_code} << 16 | std::uint32_t{k.extended} << 24 |
                             std::uint32_t{k.was_down} << 30 | std::uint32_t{k.released} << 31;
  return static_cast<lparam>(bits);
}

constexpr key_flags lparam_key_flags(lparam value) {
  const auto bits = static_cast<std::uint32_t>(static_cast<std::uint64_t>(value));
  return {low_word(value), static_cast<std::uint8_t>(bits >> 16), ((bits >> 24) & 1) != 0,
          ((bits >> 30) & 1) != 0, ((bits >> 31) & 1) != 0};
}

// How many times a held key repeated since the last WM_KEYDOWN or WM_CHAR.
constexpr std::uint16_t repeat_count(lparam value) { return low_word(value); }

}  // namespace win
