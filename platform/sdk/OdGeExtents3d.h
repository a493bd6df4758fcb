// OdGeExtents3d: an axis-aligned box in space that grows to hold points.
//
// A new box is invalid (min above max) until the first point is added, so
// "nothing drawn" and "drawn at the origin" stay different.
#pragma once

#include <algorithm>

#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGePoint3d.h"

class OdGeExtents3d {
public:
  OdGeExtents3d() = default;
  // The box spanned by two corners, in any order.
  OdGeExtents3d(const OdGePoint3d& a, const OdGePoint3d& b) { addPoint(a).addPoint(b); }

  static const OdGeExtents3d kInvalid;

  const OdGePoint3d& minPoint() const { return m_min; }
  const OdGePoint3d& maxPoint() const { return m_max; }
  void set(const OdGePoint3d& a, const OdGePoint3d& b) { *this = OdGeExtents3d(a, b); }

  bool isValidExtents() const { return m_min.x <= m_max.x && m_min.y <= m_max.y && m_min.z <= m_max.z; }

  OdGeExtents3d& addPoint(const OdGePoint3d& p) {
    m_min = {std::min(m_min.x, p.x), std::min(m_min.y, p.y), std::min(m_min.z, p.z)};
    m_max = {std::max(m_max.x, p.x), std::max(m_max.y, p.y), std::max(m_max.z, p.z)};
    return *this;
  }
  // Adding an invalid box changes nothing.
  OdGeExtents3d& addExt(const OdGeExtents3d& other) {
    if (other.isValidExtents()) addPoint(other.m_min).addPoint(other.m_max);
    return *this;
  }

  // Inside or on the boundary, within tol.
  bool contains(const OdGePoint3d& p, const OdGeTol& tol = OdGeContext::gTol) const {
    const double e = tol.equalPoint;
    return isValidExtents() && p.x >= m_min.x - e && p.x <= m_max.x + e && p.y >= m_min.y - e &&
           p.y <= m_max.y + e && p.z >= m_min.z - e && p.z <= m_max.z + e;
  }
  bool contains(const OdGeExtents3d& other, const OdGeTol& tol = OdGeContext::gTol) const {
    return other.isValidExtents() && contains(other.m_min, tol) && contains(other.m_max, tol);
  }

  OdGePoint3d center() const {
    return {(m_min.x + m_max.x) / 2.0, (m_min.y + m_max.y) / 2.0, (m_min.z + m_max.z) / 2.0};
  }
  OdGeVector3d diagonal() const { return m_max - m_min; }

  // The box around the eight transformed corners (it grows under rotation).
  OdGeExtents3d& transformBy(const OdGeMatrix3d& m) {
    if (!isValidExtents()) return *this;
    OdGeExtents3d moved;
    for (int corner = 0; corner < 8; ++corner) {
      const OdGePoint3d p((corner & 1) ? m_max.x : m_min.x, (corner & 2) ? m_max.y : m_min.y,
                          (corner & 4) ? m_max.z : m_min.z);
      moved.addPoint(m.transformPoint(p));
    }
    return *this = moved;
  }

  bool isEqualTo(const OdGeExtents3d& other, const OdGeTol& tol = OdGeContext::gTol) const {
    return m_min.isEqualTo(other.m_min, tol) && m_max.isEqualTo(other.m_max, tol);
  }

private:
  static constexpr double kFar = 1e20;
  OdGePoint3d m_min{kFar, kFar, kFar};
  OdGePoint3d m_max{-kFar, -kFar, -kFar};
};

inline const OdGeExtents3d OdGeExtents3d::kInvalid{};
