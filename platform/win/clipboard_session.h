// clipboard_session: the clipboard held open for one scope, closed on every
// path out of it, and only when this scope opened it.
#pragma once

#include "platform/win/IClipboard.h"

namespace win {

class clipboard_session {
public:
  clipboard_session(IClipboard& clipboard, window_id owner)
      : m_clipboard(clipboard), m_open(clipboard.open(owner)) {}
  ~clipboard_session() {
    if (m_open) m_clipboard.close();
  }
  clipboard_session(const clipboard_session&) = delete;
  clipboard_session& operator=(const clipboard_session&) = delete;

  // False when another owner holds the clipboard: do nothing with it then.
  explicit operator bool() const { return m_open; }

private:
  IClipboard& m_clipboard;
  bool m_open;
};

}  // namespace win
