// OdGeVector2d: a displacement in a plane.
#pragma once

#include <cmath>

#include "platform/sdk/OdGeTol.h"

class OdGeMatrix2d;

struct OdGeVector2d {
  double x = 0.0, y = 0.0;

  constexpr OdGeVector2d() = default;
  constexpr OdGeVector2d(double xx, double yy) : x(xx), y(yy) {}

  double length() const { return std::hypot(x, y); }
  OdGeVector2d normal() const {
    const double len = length();
    return len > 0.0 ? OdGeVector2d(x / len, y / len) : *this;
  }
  double dotProduct(const OdGeVector2d& v) const { return x * v.x + y * v.y; }
  double crossProduct(const OdGeVector2d& v) const { return x * v.y - y * v.x; }
  double angle() const { return std::atan2(y, x); }
  bool isEqualTo(const OdGeVector2d& v, const OdGeTol& tol = OdGeContext::gTol) const {
    return std::hypot(x - v.x, y - v.y) <= tol.equalVector;
  }

  OdGeVector2d operator-() const { return {-x, -y}; }
  OdGeVector2d operator+(const OdGeVector2d& v) const { return {x + v.x, y + v.y}; }
  OdGeVector2d operator-(const OdGeVector2d& v) const { return {x - v.x, y - v.y}; }
  OdGeVector2d operator*(double s) const { return {x * s, y * s}; }
  OdGeVector2d operator/(double s) const { return {x / s, y / s}; }
  friend OdGeVector2d operator*(double s, const OdGeVector2d& v) { return v * s; }
  bool operator==(const OdGeVector2d& v) const { return isEqualTo(v); }

  OdGeVector2d perpVector() const { return {-y, x}; }
  // Counter-clockwise angle from this vector to v, -pi..pi.
  double angleTo(const OdGeVector2d& v) const { return std::atan2(crossProduct(v), dotProduct(v)); }
  OdGeVector2d& rotateBy(double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    return *this = {c * x - s * y, s * x + c * y};
  }
  // Transforms as a direction: the matrix's translation does not apply.
  OdGeVector2d& transformBy(const OdGeMatrix2d& m);

  static const OdGeVector2d kXAxis, kYAxis;
};

inline const OdGeVector2d OdGeVector2d::kXAxis{1.0, 0.0};
inline const OdGeVector2d OdGeVector2d::kYAxis{0.0, 1.0};
