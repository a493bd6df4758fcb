// OdGeExtents2d: an axis-aligned box in the plane that grows to hold points.
//
// A new box is invalid (min above max) until the first point is added.
#pragma once

#include <algorithm>

#include "platform/sdk/OdGeMatrix2d.h"
#include "platform/sdk/OdGePoint2d.h"

class OdGeExtents2d {
public:
  OdGeExtents2d() = default;
  // The box spanned by two corners, in any order.
  OdGeExtents2d(const OdGePoint2d& a, const OdGePoint2d& b) { addPoint(a).addPoint(b); }

  const OdGePoint2d& minPoint() const { return m_min; }
  const OdGePoint2d& maxPoint() const { return m_max; }
  void set(const OdGePoint2d& a, const OdGePoint2d& b) { *this = OdGeExtents2d(a, b); }

  bool isValidExtents() const { return m_min.x <= m_max.x && m_min.y <= m_max.y; }

  OdGeExtents2d& addPoint(const OdGePoint2d& p) {
    m_min = {std::min(m_min.x, p.x), std::min(m_min.y, p.y)};
    m_max = {std::max(m_max.x, p.x), std::max(m_max.y, p.y)};
    return *this;
  }
  // Adding an invalid box changes nothing.
  OdGeExtents2d& addExt(const OdGeExtents2d& other) {
    if (other.isValidExtents()) addPoint(other.m_min).addPoint(other.m_max);
    return *this;
  }

  // Inside or on the boundary, within tol.
  bool contains(const OdGePoint2d& p, const OdGeTol& tol = OdGeContext::gTol) const {
    const double e = tol.equalPoint;
    return isValidExtents() && p.x >= m_min.x - e && p.x <= m_max.x + e && p.y >= m_min.y - e &&
           p.y <= m_max.y + e;
  }
  bool contains(const OdGeExtents2d& other, const OdGeTol& tol = OdGeContext::gTol) const {
    return other.isValidExtents() && contains(other.m_min, tol) && contains(other.m_max, tol);
  }

  OdGePoint2d center() const { return {(m_min.x + m_max.x) / 2.0, (m_min.y + m_max.y) / 2.0}; }
  OdGeVector2d diagonal() const { return m_max - m_min; }

  // The box around the four transformed corners.
  OdGeExtents2d& transformBy(const OdGeMatrix2d& m) {
    if (!isValidExtents()) return *this;
    OdGeExtents2d moved;
    moved.addPoint(m.transformPoint(m_min)).addPoint(m.transformPoint(m_max));
    moved.addPoint(m.transformPoint({m_min.x, m_max.y})).addPoint(m.transformPoint({m_max.x, m_min.y}));
    return *this = moved;
  }

  bool isEqualTo(const OdGeExtents2d& other, const OdGeTol& tol = OdGeContext::gTol) const {
    return m_min.isEqualTo(other.m_min, tol) && m_max.isEqualTo(other.m_max, tol);
  }

private:
  static constexpr double kFar = 1e20;
  OdGePoint2d m_min{kFar, kFar};
  OdGePoint2d m_max{-kFar, -kFar};
};
