// qt_win_system: the windowing contract on Qt, for the desktop host.
//
// Key state comes from the modifiers of the Qt event being delivered (else
// from the keyboard), the cursor is the view widget's cursor, timers are
// QTimers on the user-interface thread, and the clipboard is the desktop's:
// plain text as text/plain and a registered format (such as "MText") as a
// MIME type of that name beside it. Windows and the capture are the
// in-memory registry's: the editor's windows are not Qt widgets.
#pragma once

#include <map>
#include <memory>
#include <utility>

#include <QPointer>
#include <QTimer>
#include <Qt>

#include "platform/win/IWinSystem.h"
#include "platform/win/memory_capture.h"
#include "platform/win/memory_windows.h"

class QMimeData;

class QWidget;

namespace gui {

class qt_key_state final : public win::IKeyState {
public:
  bool isKeyDown(win::virtual_key key) const override;
  // The modifiers of the event being delivered; cleared after it.
  void hold(Qt::KeyboardModifiers modifiers) { m_held = modifiers; m_holding = true; }
  void release() { m_holding = false; }

private:
  Qt::KeyboardModifiers m_held;
  bool m_holding = false;
};

class qt_cursor final : public win::ICursor {
public:
  void setWidget(QWidget* widget);
  win::cursor_id setCursor(win::cursor_id cursor) override;
  win::cursor_id currentCursor() const override { return m_current; }

private:
  QPointer<QWidget> m_widget;
  win::cursor_id m_current = win::cursor_id::arrow;
};

class qt_timers final : public win::ITimers {
public:
  explicit qt_timers(win::IWindows& windows) : m_windows(windows) {}
  ~qt_timers() override;
  void setTimer(win::window_id window, win::timer_id id, std::chrono::milliseconds interval,
                win::timer_callback callback = {}) override;
  bool killTimer(win::window_id window, win::timer_id id) override;
  void killWindowTimers(win::window_id window);
  std::size_t running() const { return m_timers.size(); }

private:
  win::IWindows& m_windows;
  std::map<std::pair<win::window_id, win::timer_id>, std::unique_ptr<QTimer>> m_timers;
};

class qt_clipboard final : public win::IClipboard {
public:
  ~qt_clipboard() override;
  win::clipboard_format registerFormat(std::u16string_view name) override;
  bool open(win::window_id owner) override;
  bool close() override;
  bool empty() override;
  bool setData(win::clipboard_format format, std::u16string_view text) override;
  bool isFormatAvailable(win::clipboard_format format) const override;
  std::optional<std::u16string> getData(win::clipboard_format format) const override;

private:
  bool m_open = false;
  win::window_id m_owner = win::window_id::none;
  QMimeData* m_pending = nullptr;  // what the clipboard gets on close
};

class qt_win_system final : public win::IWinSystem {
public:
  qt_win_system();
  qt_key_state& keyState() override { return m_keys; }
  qt_cursor& cursor() override { return m_cursor; }
  win::memory_capture& capture() override { return m_capture; }
  qt_timers& timers() override { return m_timers; }
  win::memory_windows& windows() override { return m_windows; }
  qt_clipboard& clipboard() override { return m_clipboard; }

private:
  win::memory_windows m_windows;
  qt_key_state m_keys;
  qt_cursor m_cursor;
  win::memory_capture m_capture{&m_windows};
  qt_timers m_timers{m_windows};
  qt_clipboard m_clipboard;
};

}  // namespace gui
