// clipboard_formats: the process-wide table of clipboard formats registered
// by name, so that a name registered twice gets the same number.
//
// The table lives as long as the process and is never emptied; a format's
// number stays valid for every clipboard in the process.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/win/IClipboard.h"

namespace win {

// The number of `name` (letter case ignored), registering it on first use;
// 0 for an empty name or when all numbers are taken.
clipboard_format register_clipboard_format(std::u16string_view name);

// The name a registered format was first registered with.
std::optional<std::u16string> clipboard_format_name(clipboard_format format);

}  // namespace win
