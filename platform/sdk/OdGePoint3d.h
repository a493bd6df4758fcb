// OdGePoint3d: a position in space.
#pragma once

#include "platform/sdk/OdGePoint2d.h"
#include "platform/sdk/OdGeVector3d.h"

class OdGeMatrix3d;

struct OdGePoint3d {
  double x = 0.0, y = 0.0, z = 0.0;

  constexpr OdGePoint3d() = default;
  constexpr OdGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  double distanceTo(const OdGePoint3d& p) const { return (*this - p).length(); }
  bool isEqualTo(const OdGePoint3d& p, const OdGeTol& tol = OdGeContext::gTol) const {
    return distanceTo(p) <= tol.equalPoint;
  }
  OdGeVector3d asVector() const { return {x, y, z}; }
  OdGePoint2d convert2d() const { return {x, y}; }

  OdGePoint3d operator+(const OdGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  OdGePoint3d operator-(const OdGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  OdGeVector3d operator-(const OdGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
  OdGePoint3d& operator+=(const OdGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  OdGePoint3d& operator-=(const OdGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  bool operator==(const OdGePoint3d& p) const { return isEqualTo(p); }

  OdGePoint3d& transformBy(const OdGeMatrix3d& m);
  // Rotates counter-clockwise about the line through `center` along `axis`.
  OdGePoint3d& rotateBy(double angle, const OdGeVector3d& axis = OdGeVector3d::kZAxis,
                        const OdGePoint3d& center = kOrigin);

  static const OdGePoint3d kOrigin;
};

inline const OdGePoint3d OdGePoint3d::kOrigin{0.0, 0.0, 0.0};
