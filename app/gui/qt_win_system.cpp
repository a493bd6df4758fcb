#include "app/gui/qt_win_system.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

#include "platform/win/clipboard_formats.h"

namespace gui {
namespace {

// The MIME type a clipboard format travels under.
QString mime_type_of(win::clipboard_format format) {
  if (format == win::CF_UNICODETEXT || format == win::CF_TEXT || format == win::CF_OEMTEXT) return "text/plain";
  const std::optional<std::u16string> name = win::clipboard_format_name(format);
  return name ? QString::fromStdU16String(*name) : QString();
}

struct cursor_row {
  win::cursor_id id;
  Qt::CursorShape shape;
};
constexpr cursor_row cursor_table[] = {
    {win::cursor_id::arrow, Qt::ArrowCursor},       {win::cursor_id::ibeam, Qt::IBeamCursor},
    {win::cursor_id::wait, Qt::WaitCursor},         {win::cursor_id::cross, Qt::CrossCursor},
    {win::cursor_id::size_nwse, Qt::SizeFDiagCursor}, {win::cursor_id::size_nesw, Qt::SizeBDiagCursor},
    {win::cursor_id::size_we, Qt::SizeHorCursor},   {win::cursor_id::size_ns, Qt::SizeVerCursor},
    {win::cursor_id::size_all, Qt::SizeAllCursor},  {win::cursor_id::no, Qt::ForbiddenCursor},
    {win::cursor_id::hand, Qt::PointingHandCursor},
};

}  // namespace

bool qt_key_state::isKeyDown(win::virtual_key key) const {
  const Qt::KeyboardModifiers held = m_holding ? m_held : QGuiApplication::queryKeyboardModifiers();
  switch (key) {
    case win::VK_SHIFT: return held.testFlag(Qt::ShiftModifier);
    case win::VK_CONTROL: return held.testFlag(Qt::ControlModifier);
    case win::VK_MENU: return held.testFlag(Qt::AltModifier);
    default: return false;  // Qt tells only the modifiers
  }
}

void qt_cursor::setWidget(QWidget* widget) { m_widget = widget; }

win::cursor_id qt_cursor::setCursor(win::cursor_id cursor) {
  const win::cursor_id before = m_current;
  m_current = cursor;
  const auto row = std::find_if(std::begin(cursor_table), std::end(cursor_table),
                                [&](const cursor_row& r) { return r.id == cursor; });
  if (m_widget) m_widget->setCursor(row != std::end(cursor_table) ? row->shape : Qt::ArrowCursor);
  return before;
}

qt_timers::~qt_timers() = default;

void qt_timers::setTimer(win::window_id window, win::timer_id id, std::chrono::milliseconds interval,
                         win::timer_callback callback) {
  auto timer = std::make_unique<QTimer>();
  const auto ms = std::clamp(interval, win::timer_minimum, win::timer_maximum);
  timer->setInterval(static_cast<int>(ms.count()));
  QObject::connect(timer.get(), &QTimer::timeout, [this, window, id, callback] {
    if (callback) callback(window, id);
    else m_windows.sendMessage(window, win::WM_TIMER, id, 0);
  });
  timer->start();
  m_timers[{window, id}] = std::move(timer);
}

bool qt_timers::killTimer(win::window_id window, win::timer_id id) {
  const auto it = m_timers.find({window, id});
  if (it == m_timers.end()) return false;
  // A timer may be killed from its own tick: let Qt delete it afterwards.
  it->second.release()->deleteLater();
  m_timers.erase(it);
  return true;
}

void qt_timers::killWindowTimers(win::window_id window) {
  for (auto it = m_timers.begin(); it != m_timers.end();) {
    if (it->first.first != window) { ++it; continue; }
    it->second.release()->deleteLater();
    it = m_timers.erase(it);
  }
}

qt_clipboard::~qt_clipboard() { delete m_pending; }

win::clipboard_format qt_clipboard::registerFormat(std::u16string_view name) {
  return win::register_clipboard_format(name);
}

bool qt_clipboard::open(win::window_id owner) {
  if (m_open && m_owner != owner) return false;
  m_open = true;
  m_owner = owner;
  return true;
}

bool qt_clipboard::close() {
  if (!m_open) return false;
  m_open = false;
  if (m_pending) QGuiApplication::clipboard()->setMimeData(std::exchange(m_pending, nullptr));
  return true;
}

bool qt_clipboard::empty() {
  if (!m_open) return false;
  delete m_pending;
  m_pending = new QMimeData;
  return true;
}

bool qt_clipboard::setData(win::clipboard_format format, std::u16string_view text) {
  const QString type = mime_type_of(format);
  if (!m_open || type.isEmpty()) return false;
  if (!m_pending) m_pending = new QMimeData;
  const QString value = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  if (type == "text/plain") m_pending->setText(value);
  else m_pending->setData(type, value.toUtf8());
  return true;
}

bool qt_clipboard::isFormatAvailable(win::clipboard_format format) const {
  const QString type = mime_type_of(format);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return !type.isEmpty() && data && data->hasFormat(type);
}

std::optional<std::u16string> qt_clipboard::getData(win::clipboard_format format) const {
  if (!m_open || !isFormatAvailable(format)) return std::nullopt;
  const QString type = mime_type_of(format);
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  const QString text = type == "text/plain" ? data->text() : QString::fromUtf8(data->data(type));
  return text.toStdU16String();
}

qt_win_system::qt_win_system()
    : m_windows([this](win::window_id window) {
        m_timers.killWindowTimers(window);
        if (m_capture.captureWindow() == window) m_capture.releaseCapture();
      }) {}

}  // namespace gui
