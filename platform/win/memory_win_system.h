// memory_win_system: the windowing layer kept in memory, for tests and the
// scripted host: a key-state table, the cursor, the capture, timers on a
// virtual clock, a window registry, and the process-wide clipboard.
//
// Destroying a window kills its timers and ends its capture, as on the
// desktop.
#pragma once

#include "platform/win/IWinSystem.h"
#include "platform/win/memory_capture.h"
#include "platform/win/memory_clipboard.h"
#include "platform/win/memory_cursor.h"
#include "platform/win/memory_key_state.h"
#include "platform/win/memory_timers.h"
#include "platform/win/memory_windows.h"

namespace win {

class memory_win_system : public IWinSystem {
public:
  // By default the clipboard is the process's, shared with every other user.
  explicit memory_win_system(memory_clipboard& clipboard = process_clipboard());
  memory_win_system(const memory_win_system&) = delete;
  memory_win_system& operator=(const memory_win_system&) = delete;

  memory_key_state& keyState() override { return m_keys; }
  memory_cursor& cursor() override { return m_cursor; }
  memory_capture& capture() override { return m_capture; }
  memory_timers& timers() override { return m_timers; }
  memory_windows& windows() override { return m_windows; }
  memory_clipboard& clipboard() override { return m_clipboard; }

private:
  void window_destroyed(window_id window);

  memory_windows m_windows;
  memory_key_state m_keys;
  memory_cursor m_cursor;
  memory_capture m_capture{&m_windows};
  memory_timers m_timers{&m_windows};
  memory_clipboard& m_clipboard;
};

}  // namespace win
