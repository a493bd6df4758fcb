// Field dialogs: inserting a new field and changing an existing one, through
// the host's dialog service (dialogs "InsertField" and "ChangeField", one
// field "code" holding the field code with or without its markers).
#pragma once

#include "platform/sdk/OdDbField.h"

// Asks for a field code; on OK answers a new field with that code,
// evaluated against `database`; null when cancelled, no host runs or the
// code is empty.
OdDbFieldPtr insertField(OdDbDatabase* database);
// Shows the field's code for change; on OK sets the new code and evaluates
// it again (the field must be writable). False when cancelled or unchanged.
bool changeField(OdDbField* field, OdDbDatabase* database);
