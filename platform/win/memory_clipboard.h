// memory_clipboard: a clipboard kept in memory for tests and the scripted
// host, with the open/empty/set/close rules of the desktop's.
//
// It cannot tell callers apart, only owners: another program is played by
// opening it with another owner window, which makes every other owner's
// open fail until it is closed. Registered formats come from the
// process-wide table, shared by every instance.
#pragma once

#include <map>

#include "platform/win/IClipboard.h"

namespace win {

class memory_clipboard : public IClipboard {
public:
  clipboard_format registerFormat(std::u16string_view name) override;
  bool open(window_id owner) override;
  bool close() override;
  bool empty() override;
  bool setData(clipboard_format format, std::u16string_view text) override;
  bool isFormatAvailable(clipboard_format format) const override;
  std::optional<std::u16string> getData(clipboard_format format) const override;

  // The owner that has it open, or nothing while it is closed.
  std::optional<window_id> openedBy() const { return m_opened_by; }

private:
  std::optional<window_id> m_opened_by;
  std::map<clipboard_format, std::u16string> m_data;
};

// The clipboard every part of the process shares.
memory_clipboard& process_clipboard();

}  // namespace win
