// The in-memory clipboard.
#include "platform/win/memory_clipboard.h"

#include "platform/win/clipboard_formats.h"

namespace win {

clipboard_format memory_clipboard::registerFormat(std::u16string_view name) {
  return register_clipboard_format(name);
}

bool memory_clipboard::open(window_id owner) {
  if (m_opened_by && *m_opened_by != owner) return false;
  m_opened_by = owner;
  return true;
}

bool memory_clipboard::close() {
  if (!m_opened_by) return false;
  m_opened_by.reset();
  return true;
}

bool memory_clipboard::empty() {
  if (!m_opened_by) return false;
  m_data.clear();
  return true;
}

bool memory_clipboard::setData(clipboard_format format, std::u16string_view text) {
  if (!m_opened_by || format == 0) return false;
  m_data[format] = std::u16string(text);
  return true;
}

bool memory_clipboard::isFormatAvailable(clipboard_format format) const { return m_data.count(format) != 0; }

std::optional<std::u16string> memory_clipboard::getData(clipboard_format format) const {
  const auto found = m_data.find(format);
  if (!m_opened_by || found == m_data.end()) return std::nullopt;
  return found->second;
}

memory_clipboard& process_clipboard() {
  static memory_clipboard clipboard;
  return clipboard;
}

}  // namespace win
