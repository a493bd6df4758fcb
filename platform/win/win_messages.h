// Window messages as Windows numbers them, and the record of one message
// sent to a window: the words the editor and the windowing layer share.
#pragma once

#include <compare>
#include <cstdint>

namespace win {

// The widths Windows gives these on 64-bit systems.
using message_id = std::uint32_t;
using wparam = std::uintptr_t;
using lparam = std::intptr_t;
using lresult = std::intptr_t;

// A window as the windowing layer names it; `none` is no window.
enum class window_id : std::uintptr_t { none = 0 };

inline constexpr message_id WM_SETCURSOR = 0x0020;
inline constexpr message_id WM_KEYDOWN = 0x0100;
inline constexpr message_id WM_KEYUP = 0x0101;
inline constexpr message_id WM_CHAR = 0x0102;
inline constexpr message_id WM_SYSKEYDOWN = 0x0104;  // a key pressed with Alt, or Alt itself
inline constexpr message_id WM_SYSKEYUP = 0x0105;
inline constexpr message_id WM_COMMAND = 0x0111;  // a control's id in wParam's low word (a button clicked)
inline constexpr message_id WM_TIMER = 0x0113;
inline constexpr message_id WM_MOUSEMOVE = 0x0200;
inline constexpr message_id WM_LBUTTONDOWN = 0x0201;
inline constexpr message_id WM_LBUTTONUP = 0x0202;
inline constexpr message_id WM_LBUTTONDBLCLK = 0x0203;
inline constexpr message_id WM_RBUTTONDOWN = 0x0204;
inline constexpr message_id WM_RBUTTONUP = 0x0205;
inline constexpr message_id WM_MOUSEWHEEL = 0x020A;
inline constexpr message_id WM_CAPTURECHANGED = 0x0215;  // to the window losing capture; lParam the new holder
inline constexpr message_id WM_USER = 0x0400;  // private messages of a window class from here
inline constexpr message_id WM_APP = 0x8000;

// The in-place editor's notice to its toolbar that its state changed: wParam
// says why; lParam is 0. The toolbar re-reads the formats at the selection.
inline constexpr message_id WM_EDITOR_CHANGED = 0x1D66;
inline constexpr wparam editor_changed_by_edit = 0;     // an edit step began
inline constexpr wparam editor_changed_by_history = 1;  // undo or redo
static_assert(WM_EDITOR_CHANGED >= WM_USER && WM_EDITOR_CHANGED < WM_APP);

struct window_message {
  window_id window = window_id::none;
  message_id message = 0;
  wparam wParam = 0;
  lparam lParam = 0;
  friend bool operator==(const window_message&, const window_message&) = default;
};

}  // namespace win
