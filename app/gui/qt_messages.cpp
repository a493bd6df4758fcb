#include "app/gui/qt_messages.h"

#include <algorithm>
#include <iterator>

#include <QKeyEvent>

namespace gui {
namespace {

struct key_row {
  int qt;
  std::uint32_t vk;
};

constexpr key_row key_table[] = {
    {Qt::Key_Backspace, kVkBack}, {Qt::Key_Tab, kVkTab},        {Qt::Key_Backtab, kVkTab},
    {Qt::Key_Return, kVkReturn},  {Qt::Key_Enter, kVkReturn},   {Qt::Key_Shift, kVkShift},
    {Qt::Key_Control, kVkControl}, {Qt::Key_Alt, kVkMenu},      {Qt::Key_Escape, kVkEscape},
    {Qt::Key_Space, kVkSpace},    {Qt::Key_PageUp, kVkPrior},   {Qt::Key_PageDown, kVkNext},
    {Qt::Key_End, kVkEnd},        {Qt::Key_Home, kVkHome},      {Qt::Key_Left, kVkLeft},
    {Qt::Key_Up, kVkUp},          {Qt::Key_Right, kVkRight},    {Qt::Key_Down, kVkDown},
    {Qt::Key_Insert, kVkInsert},  {Qt::Key_Delete, kVkDelete},
};

host_message key_message(std::uint32_t id, std::uintptr_t wParam, std::uint32_t modifiers, bool repeat) {
  host_message message;
  message.message = id;
  message.wParam = wParam;
  // Repeat count 1; bit 30 says the key was already down, bits 30 and 31 mark a release.
  message.lParam = id == kMsgKeyUp ? std::intptr_t(0xC0000001) : (repeat ? (1 << 30) | 1 : 1);
  message.modifiers = modifiers;
  return message;
}

}  // namespace

std::uint32_t virtual_key_of(int qt_key) {
  if ((qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) || (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9))
    return static_cast<std::uint32_t>(qt_key);  // Windows uses the same capitals and digits
  if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F24) return kVkF1 + static_cast<std::uint32_t>(qt_key - Qt::Key_F1);
  const auto row = std::find_if(std::begin(key_table), std::end(key_table), [&](const key_row& r) { return r.qt == qt_key; });
  return row != std::end(key_table) ? row->vk : 0;
}

std::uint32_t modifier_bits(Qt::KeyboardModifiers modifiers) {
  std::uint32_t bits = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) bits |= kModShift;
  if (modifiers.testFlag(Qt::ControlModifier)) bits |= kModControl;
  if (modifiers.testFlag(Qt::AltModifier)) bits |= kModAlt;
  return bits;
}

std::vector<host_message> key_messages(const QKeyEvent& event) {
  const std::uint32_t vk = virtual_key_of(event.key());
  const std::uint32_t modifiers = modifier_bits(event.modifiers());
  std::vector<host_message> messages;
  if (event.type() == QEvent::KeyRelease) {
    if (vk && !event.isAutoRepeat()) messages.push_back(key_message(kMsgKeyUp, vk, modifiers, false));
    return messages;
  }
  if (vk) messages.push_back(key_message(kMsgKeyDown, vk, modifiers, event.isAutoRepeat()));
  // Control codes as Windows makes them; the rest is Qt's text, as the keyboard layout gives it.
  if (const char16_t c = hostControlChar(vk, modifiers)) {
    messages.push_back(key_message(kMsgChar, c, modifiers, false));
    return messages;
  }
  if (modifiers & (kModControl | kModAlt)) return messages;
  // Printable text, one message per UTF-16 unit as Windows sends surrogates.
  for (const QChar c : event.text())
    if (c.unicode() >= 0x20 && c.unicode() != 0x7F) messages.push_back(key_message(kMsgChar, c.unicode(), modifiers, false));
  return messages;
}

}  // namespace gui
