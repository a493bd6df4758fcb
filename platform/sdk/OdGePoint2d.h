// OdGePoint2d: a position in a plane.
#pragma once

#include "platform/sdk/OdGeVector2d.h"

class OdGeMatrix2d;

struct OdGePoint2d {
  double x = 0.0, y = 0.0;

  constexpr OdGePoint2d() = default;
  constexpr OdGePoint2d(double xx, double yy) : x(xx), y(yy) {}

  double distanceTo(const OdGePoint2d& p) const { return std::hypot(x - p.x, y - p.y); }
  bool isEqualTo(const OdGePoint2d& p, const OdGeTol& tol = OdGeContext::gTol) const {
    return distanceTo(p) <= tol.equalPoint;
  }
  OdGeVector2d asVector() const { return {x, y}; }

  OdGePoint2d operator+(const OdGeVector2d& v) const { return {x + v.x, y + v.y}; }
  OdGePoint2d operator-(const OdGeVector2d& v) const { return {x - v.x, y - v.y}; }
  OdGeVector2d operator-(const OdGePoint2d& p) const { return {x - p.x, y - p.y}; }
  OdGePoint2d& operator+=(const OdGeVector2d& v) { x += v.x; y += v.y; return *this; }
  OdGePoint2d& operator-=(const OdGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
  bool operator==(const OdGePoint2d& p) const { return isEqualTo(p); }

  OdGePoint2d& transformBy(const OdGeMatrix2d& m);
  OdGePoint2d& rotateBy(double angle, const OdGePoint2d& center = kOrigin) {
    OdGeVector2d offset = *this - center;
    return *this = center + offset.rotateBy(angle);
  }

  static const OdGePoint2d kOrigin;
};

inline const OdGePoint2d OdGePoint2d::kOrigin{0.0, 0.0};
