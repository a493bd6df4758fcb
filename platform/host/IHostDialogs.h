// IHostDialogs: shows toolkit-free dialog models. The desktop host puts a
// view on the model; the scripted host fills its fields by name from the
// script (`dialog mode=2 ok`) and presses OK or Cancel.
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

class IHostDialogs {
public:
  virtual ~IHostDialogs() = default;
  // Runs the dialog; answers IDOK or IDCANCEL (host_message_box_answer).
  virtual int showDialog(host_dialog_model& dialog) = 0;
};
