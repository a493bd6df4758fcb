// What the toolbar keeps in the host's profile, section "TXPAD": where it
// was last closed ("ptpos.x", "ptpos.y") and whether the B/I/U/O icons come
// from the English set ("engIcons").
#pragma once

#include "platform/host/IProfile.h"

namespace ui {

struct toolbar_position {
  int x = 200;
  int y = 300;
  friend bool operator==(const toolbar_position&, const toolbar_position&) = default;
};

// The stored position, or the defaults; a null profile gives the defaults.
toolbar_position read_toolbar_position(IProfile* profile);
void write_toolbar_position(IProfile* profile, const toolbar_position& at);
// "engIcons", 0 by default.
bool english_icons(IProfile* profile);

}  // namespace ui
