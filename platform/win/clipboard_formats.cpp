// The process-wide table of registered clipboard formats.
#include "platform/win/clipboard_formats.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace win {
namespace {

// Windows compares format names ignoring case; folding ASCII letters covers
// the names programs register.
char16_t fold(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

bool same_name(std::u16string_view a, std::u16string_view b) {
  return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

struct format_table {
  std::mutex lock;
  std::vector<std::u16string> names;  // names[i] is format first_registered_format + i
};

format_table& table() {
  static format_table instance;
  return instance;
}

}  // namespace

clipboard_format register_clipboard_format(std::u16string_view name) {
  if (name.empty()) return 0;
  format_table& t = table();
  const std::scoped_lock guard(t.lock);
  const auto found = std::ranges::find_if(t.names, [&](const std::u16string& n) { return same_name(n, name); });
  const auto index = static_cast<clipboard_format>(found - t.names.begin());
  if (found == t.names.end()) {
    if (first_registered_format + index > last_registered_format) return 0;
    t.names.emplace_back(name);
  }
  return first_registered_format + index;
}

std::optional<std::u16string> clipboard_format_name(clipboard_format format) {
  format_table& t = table();
  const std::scoped_lock guard(t.lock);
  if (format < first_registered_format || format - first_registered_format >= t.names.size()) return std::nullopt;
  return t.names[format - first_registered_format];
}

}  // namespace win
