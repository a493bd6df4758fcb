// memory_cursor: the cursor shown, remembered for tests and the scripted
// host; it starts as the arrow.
#pragma once

#include <utility>

#include "platform/win/ICursor.h"

namespace win {

class memory_cursor : public ICursor {
public:
  cursor_id setCursor(cursor_id cursor) override { return std::exchange(m_cursor, cursor); }
  cursor_id currentCursor() const override { return m_cursor; }

private:
  cursor_id m_cursor = cursor_id::arrow;
};

}  // namespace win
