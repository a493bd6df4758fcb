// qt_messages: Qt key and mouse input as the window messages the editor's
// message filter reads: WM_KEYDOWN and WM_KEYUP with virtual-key codes,
// WM_CHAR with the UTF-16 units a key types (as Windows translates them:
// Enter is CR, Ctrl+Enter LF, Ctrl+letter its control character), and the
// modifiers as MK_ bits.
#pragma once

#include <cstdint>
#include <vector>

#include <Qt>

#include "platform/host/host_message.h"

class QKeyEvent;

namespace gui {

// The virtual key of a Qt key; 0 for keys Windows has no code for here.
std::uint32_t virtual_key_of(int qt_key);

// host_message modifier bits (equal to MK_SHIFT and MK_CONTROL, plus Alt).
std::uint32_t modifier_bits(Qt::KeyboardModifiers modifiers);

// WM_KEYDOWN and the WM_CHARs a press types, or the WM_KEYUP of a release.
std::vector<host_message> key_messages(const QKeyEvent& event);

}  // namespace gui
