// ICursor: the mouse cursor shown over the windows, chosen from the
// standard cursors (the editor's text, sizing and default cursors).
#pragma once

#include <cstdint>

namespace win {

// Numbered as Windows numbers its IDC_ standard cursors.
enum class cursor_id : std::uint16_t {
  arrow = 32512,
  ibeam = 32513,
  wait = 32514,
  cross = 32515,
  size_nwse = 32642,  // north-west to south-east
  size_nesw = 32643,
  size_we = 32644,
  size_ns = 32645,
  size_all = 32646,
  no = 32648,
  hand = 32649,
};

class ICursor {
public:
  virtual ~ICursor() = default;
  // Shows `cursor`; answers the one shown before.
  virtual cursor_id setCursor(cursor_id cursor) = 0;
  virtual cursor_id currentCursor() const = 0;
};

}  // namespace win
