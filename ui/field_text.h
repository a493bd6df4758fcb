// Reading the text a script or a view gives a dialog's field.
#pragma once

#include "platform/sdk/OdString.h"

namespace ui {

// "1", "yes", "on", "true" and "0", "no", "off", "false", any letter case;
// false for anything else, leaving `on` as it was.
bool parse_flag(const OdString& text, bool& on);

}  // namespace ui
