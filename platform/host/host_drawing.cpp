// Coordinate system, text orientation and redraw over the running host.
#include "platform/host/host_drawing.h"

#include "platform/host/HostModule.h"
#include "platform/host/IHostAppServices.h"

// The hosts here have no user coordinate systems: everything is world XY.
OdGeMatrix3d getCurrentUCS() { return OdGeMatrix3d::kIdentity; }

void getTextOrientation(OdGeVector3d& normal, double& rotation) {
  normal = OdGeVector3d(0.0, 0.0, 1.0);
  rotation = 0.0;
}

bool queryDefaultTextOrientation() { return true; }

bool hostEntUpd(const OdDbObjectId& id) {
  IHostAppServices* services = hostAppServices();
  if (!services) return false;
  services->entityUpdated(id);
  return true;
}
