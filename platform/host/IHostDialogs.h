// IHostDialogs: shows toolkit-free dialog models, popup menus and modeless
// windows. The desktop host puts a view on the model; the scripted host
// fills its fields by name from the script (`dialog mode=2 ok`) and presses
// OK or Cancel, and shows no menus or modeless windows.
//
// A dialog model keeps its own state and validation; the host only reads
// and writes fields as text and presses the buttons.
#pragma once

#include <vector>

#include "platform/sdk/OdString.h"

class host_dialog_model {
public:
  virtual ~host_dialog_model() = default;
  // The dialog's name, by which scripts and tests answer it (e.g. "TCase").
  virtual OdString dialogName() const = 0;
  // The fields the host may set, in the dialog's order.
  virtual std::vector<OdString> fieldNames() const = 0;
  virtual OdString fieldValue(const OdString& field) const = 0;
  // Sets a field from text; answers an error message, empty when accepted.
  // An unknown field is refused the same way.
  virtual OdString setFieldValue(const OdString& field, const OdString& value) = 0;
  // OK was pressed: answers an error message that keeps the dialog open,
  // or empty when the dialog may close with OK.
  virtual OdString accept() { return {}; }
};

// A modeless window's model (the formatting toolbar), shown while an edit runs.
class host_window_model {
public:
  virtual ~host_window_model() = default;
  virtual OdString windowName() const = 0;
};

// One item of a popup menu; id 0 for a submenu's own item.
struct host_menu_item {
  int id = 0;
  OdString caption;  // "&" marks the access key, "\t" starts the shortcut's text
  bool enabled = true;
  std::vector<host_menu_item> submenu;
  bool checked = false;
};

class IHostDialogs {
public:
  virtual ~IHostDialogs() = default;
  // Runs the dialog; answers IDOK or IDCANCEL (host_message_box_answer).
  virtual int showDialog(host_dialog_model& dialog) = 0;
  // Shows a popup menu at the pointer; the chosen item's id, 0 for none.
  virtual int trackPopupMenu(const std::vector<host_menu_item>&) { return 0; }
  // Whether the host shows modeless windows; when not, callers need not make their models.
  virtual bool showsModeless() const { return false; }
  // Puts a view on the model until closeModeless; the model outlives it.
  virtual void openModeless(host_window_model&) {}
  virtual void closeModeless(host_window_model&) {}
};
