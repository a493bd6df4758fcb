#include "platform/sdk/OdGeVector3d.h"

#include <algorithm>

double OdGeVector3d::angleTo(const OdGeVector3d& v) const {
  // atan2 of |a x b| and a . b keeps precision near 0 and pi, where acos does not.
  return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double OdGeVector3d::angleTo(const OdGeVector3d& v, const OdGeVector3d& reference) const {
  const double angle = angleTo(v);
  if (crossProduct(v).dotProduct(reference) < 0.0) return Oda2PI - angle;
  return angle;
}

// Zero-length vectors have no direction, so they are neither parallel nor
// perpendicular to anything.
bool OdGeVector3d::isParallelTo(const OdGeVector3d& v, const OdGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return normal().crossProduct(v.normal()).length() <= tol.equalVector;
}

bool OdGeVector3d::isCodirectionalTo(const OdGeVector3d& v, const OdGeTol& tol) const {
  return isParallelTo(v, tol) && dotProduct(v) > 0.0;
}

bool OdGeVector3d::isPerpendicularTo(const OdGeVector3d& v, const OdGeTol& tol) const {
  if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
  return std::fabs(normal().dotProduct(v.normal())) <= tol.equalVector;
}
