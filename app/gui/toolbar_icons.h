// toolbar_icons: the formatting toolbar's 16 x 16 icons, drawn with
// QPainter by control id. Bold, italic, underline and overline come in a
// national (Cyrillic) and an English set; the rest have one drawing each.
#pragma once

#include <QIcon>

namespace gui {

// The icon of a toolbar control; a null icon for controls that keep their caption.
QIcon toolbar_icon(int control, bool english);

}  // namespace gui
