// hostPrintf: printf-style formatting of wide text onto the host's command
// line, e.g. hostPrintf(u"%s", message) or hostPrintf(u"%d objects", n).
//
// Conversions: %s (OdString, char16_t strings, UTF-8 std::string or char
// strings), %c (a UTF-16 unit), %d %i %u %x %X, %f %e %g with flags
// '-', '0', '+', ' ', width and precision, and %%. An argument of the wrong
// kind or a missing one prints as "(?)" instead of reading garbage.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "platform/sdk/OdString.h"

using host_format_arg = std::variant<std::int64_t, std::uint64_t, double, std::u16string_view, std::string_view>;

// The formatted text.
OdString hostFormatArgs(std::u16string_view format, const std::vector<host_format_arg>& args);

template <class T>
host_format_arg host_format_arg_of(const T& value) {
  if constexpr (std::is_same_v<T, OdString>) return std::u16string_view(value.str());
  else if constexpr (std::is_same_v<T, std::u16string>) return std::u16string_view(value);
  else if constexpr (std::is_array_v<T> && std::is_convertible_v<T, const char16_t*>) return std::u16string_view(value);
  else if constexpr (std::is_array_v<T> && std::is_convertible_v<T, const char*>) return std::string_view(value);
  else if constexpr (std::is_convertible_v<T, const char16_t*>) return std::u16string_view(value ? value : u"");
  else if constexpr (std::is_same_v<T, std::string>) return std::string_view(value);
  else if constexpr (std::is_convertible_v<T, const char*>) return std::string_view(value ? value : "");
  else if constexpr (std::is_same_v<T, char16_t>) return std::uint64_t(value);
  else if constexpr (std::is_floating_point_v<T>) return double(value);
  else if constexpr (std::is_signed_v<T>) return std::int64_t(value);
  else return std::uint64_t(value);
}

template <class... Args>
OdString hostFormat(std::u16string_view format, const Args&... args) {
  return hostFormatArgs(format, {host_format_arg_of(args)...});
}

// Formats and prints through the current host's message output; prints
// nothing when no host runs.
void hostPrintText(const OdString& text);
template <class... Args>
void hostPrintf(std::u16string_view format, const Args&... args) {
  hostPrintText(hostFormat(format, args...));
}
