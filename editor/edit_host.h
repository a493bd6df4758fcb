// edit_host: what the command running an in-place edit gives its editor:
// the host's command input, to which the editor posts "^M" (accept) and
// "^C" (cancel), and the services behind the context menu and fields.
#pragma once

#include <vector>

#include "editor/context_menu.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdString.h"

namespace editor {

class edit_host {
public:
  virtual ~edit_host() = default;
  virtual void postCommand(const OdString& command) = 0;
  // Shows the popup at the pointer; the chosen command's id, 0 when none was chosen.
  virtual int trackPopupMenu(const std::vector<menu_item>& items) = 0;
  // The host's field dialogs; null when the user chose nothing.
  virtual OdDbFieldPtr changeField(OdDbField* field) = 0;
  virtual OdDbFieldPtr insertField() = 0;
  // The view should draw the edit again.
  virtual void redraw() {}
};

}  // namespace editor
