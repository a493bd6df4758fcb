// The host's attribute dialogs, found by name at run time as the host's
// library exports them: "ShowAttEditDialogEx" edits the attributes of a
// block reference, "ShowAttDDEIT" the tag, prompt and default of one
// attribute definition (or the tag and value of one attribute).
//
// Both run through the dialog service under their own name; the fields are
// the attribute tags ("ShowAttEditDialogEx") or "tag", "prompt", "value".
#pragma once

#include "platform/sdk/OdDbObjectId.h"

// Answers IDOK when the user changed and accepted, IDCANCEL otherwise.
using host_attribute_dialog_fn = int (*)(const OdDbObjectId& id);

// The dialog function exported under `name`, or null when there is none.
host_attribute_dialog_fn hostFindAttributeDialog(const char* name);
