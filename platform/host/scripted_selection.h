// Resolving a script's `select` answer to object ids of a drawing.
#pragma once

#include <string>
#include <vector>

#include "platform/host/scripted_script.h"
#include "platform/sdk/OdDbDatabase.h"

struct scripted_selection_result {
  std::vector<OdDbObjectId> ids;  // in selection order
  int onLockedLayer = 0;          // found but left out: their layer is locked
  std::string error;              // a handle that names no entity
};

// all: the live entities of model space in drawing order; last: the last
// of them; handles: those objects, in the order given (each must be a live
// entity); window: the Text and MText entities whose whole box lies inside
// the window (other kinds have no box here and are skipped). Entities on
// locked layers are left out and counted.
scripted_selection_result scriptedSelect(OdDbDatabase* database, const script_selection& selection);
