// OdGeVector3d: a displacement in space.
#pragma once

#include <cmath>

#include "platform/sdk/OdGeTol.h"

class OdGeMatrix3d;

struct OdGeVector3d {
  double x = 0.0, y = 0.0, z = 0.0;

  constexpr OdGeVector3d() = default;
  constexpr OdGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}

  double length() const { return std::sqrt(x * x + y * y + z * z); }
  OdGeVector3d normal() const {
    const double len = length();
    return len > 0.0 ? OdGeVector3d(x / len, y / len, z / len) : *this;
  }
  OdGeVector3d& normalize() { return *this = normal(); }
  double dotProduct(const OdGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
  OdGeVector3d crossProduct(const OdGeVector3d& v) const {
    return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
  }
  bool isZeroLength(const OdGeTol& tol = OdGeContext::gTol) const { return length() <= tol.equalVector; }
  bool isEqualTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const {
    return (*this - v).length() <= tol.equalVector;
  }

  OdGeVector3d operator-() const { return {-x, -y, -z}; }
  OdGeVector3d operator+(const OdGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
  OdGeVector3d operator-(const OdGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
  OdGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
  OdGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
  OdGeVector3d& operator+=(const OdGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
  OdGeVector3d& operator-=(const OdGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
  OdGeVector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
  friend OdGeVector3d operator*(double s, const OdGeVector3d& v) { return v * s; }
  bool operator==(const OdGeVector3d& v) const { return isEqualTo(v); }

  // A unit vector perpendicular to this one: the x axis of the arbitrary-axis
  // plane whose normal is this vector.
  OdGeVector3d perpVector() const;
  // Unsigned angle between the two vectors, 0..pi.
  double angleTo(const OdGeVector3d& v) const;
  // Counter-clockwise angle from this vector to v seen from the tip of
  // `reference` (looking down at its plane), 0..2pi.
  double angleTo(const OdGeVector3d& v, const OdGeVector3d& reference) const;
  OdGeVector3d& rotateBy(double angle, const OdGeVector3d& axis);
  // Transforms as a direction: the matrix's translation does not apply.
  OdGeVector3d& transformBy(const OdGeMatrix3d& m);
  bool isParallelTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isCodirectionalTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isPerpendicularTo(const OdGeVector3d& v, const OdGeTol& tol = OdGeContext::gTol) const;
  bool isUnitLength(const OdGeTol& tol = OdGeContext::gTol) const {
    return std::fabs(length() - 1.0) <= tol.equalVector;
  }

  static const OdGeVector3d kXAxis, kYAxis, kZAxis, kIdentity;
};

inline const OdGeVector3d OdGeVector3d::kXAxis{1.0, 0.0, 0.0};
inline const OdGeVector3d OdGeVector3d::kYAxis{0.0, 1.0, 0.0};
inline const OdGeVector3d OdGeVector3d::kZAxis{0.0, 0.0, 1.0};
inline const OdGeVector3d OdGeVector3d::kIdentity{0.0, 0.0, 0.0};
