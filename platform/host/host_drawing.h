// The current drawing's coordinate system, the orientation of new text and
// the redraw of one entity, as free functions over the running host.
#pragma once

#include "platform/sdk/OdDbObjectId.h"
#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGeVector3d.h"

// The current user coordinate system as a UCS-to-world matrix (the
// scripted host works in the world XY plane: the identity).
OdGeMatrix3d getCurrentUCS();

// The plane of new text: its normal and its rotation (radians, the angle of
// the UCS x axis in that plane). World: (0,0,1) and 0.
void getTextOrientation(OdGeVector3d& normal, double& rotation);
// True when new text follows the current UCS (the default), false when it
// is created in the world XY plane.
bool queryDefaultTextOrientation();

// Redraws one entity after the module changed it; false with no host.
bool hostEntUpd(const OdDbObjectId& id);
