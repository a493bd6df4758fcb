// IClipboard: the clipboard shared by every program on the desktop, holding
// text under standard and registered formats while one program at a time
// has it open.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/win/win_messages.h"

namespace win {

using clipboard_format = std::uint32_t;

inline constexpr clipboard_format CF_TEXT = 1;
inline constexpr clipboard_format CF_OEMTEXT = 7;
inline constexpr clipboard_format CF_UNICODETEXT = 13;
// Formats registered by name are numbered from here to 0xFFFF.
inline constexpr clipboard_format first_registered_format = 0xC000;
inline constexpr clipboard_format last_registered_format = 0xFFFF;

class IClipboard {
public:
  virtual ~IClipboard() = default;
  // The format registered under `name` (letter case ignored), the same number
  // on every call in every program; 0 for an empty name or a full registry.
  virtual clipboard_format registerFormat(std::u16string_view name) = 0;

  // Opens the clipboard for `owner` (none is a program without a window).
  // Fails while another owner has it open; succeeds again for the same owner.
  virtual bool open(window_id owner) = 0;
  // False when the clipboard is not open.
  virtual bool close() = 0;
  // Removes every format; only while open.
  virtual bool empty() = 0;
  // Puts UTF-16 text under `format`, replacing what it held; only while open.
  virtual bool setData(clipboard_format format, std::u16string_view text) = 0;
  // Asked without opening, as a menu asks before offering Paste.
  virtual bool isFormatAvailable(clipboard_format format) const = 0;
  // The text under `format`; nothing when it is absent or the clipboard is not open.
  virtual std::optional<std::u16string> getData(clipboard_format format) const = 0;
};

}  // namespace win
