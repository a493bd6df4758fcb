// OdGeMatrix3d: an affine transformation of space as a 4x4 matrix.
//
// Points are columns: p' = M * p, so in A * B the transformation B applies
// first. The last row is (0, 0, 0, 1) for every matrix this class builds;
// general 4x4 entries are kept and inverted all the same.
//
// Object coordinate systems (OCS) follow the arbitrary-axis rule of drawing
// files: for a plane normal N, the plane's x axis is Wy x N when N is within
// 1/64 of the world z axis in both x and y, else Wz x N; its y axis is N x Ax.
#pragma once

#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdGeVector3d.h"

class OdGeMatrix3d {
public:
  // The identity.
  constexpr OdGeMatrix3d() = default;

  static const OdGeMatrix3d kIdentity;

  double entry[4][4] = {{1.0, 0.0, 0.0, 0.0}, {0.0, 1.0, 0.0, 0.0}, {0.0, 0.0, 1.0, 0.0}, {0.0, 0.0, 0.0, 1.0}};
  double operator()(int row, int column) const { return entry[row][column]; }
  double& operator()(int row, int column) { return entry[row][column]; }

  OdGeMatrix3d& setToIdentity();
  OdGeMatrix3d& setToTranslation(const OdGeVector3d& offset);
  // Counter-clockwise by `angle` radians about the line through `center`
  // along `axis` (seen from the axis tip). A zero axis is refused.
  OdGeMatrix3d& setToRotation(double angle, const OdGeVector3d& axis,
                              const OdGePoint3d& center = OdGePoint3d::kOrigin);
  // Uniform scaling by `scale` about `center`.
  OdGeMatrix3d& setToScaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  // The matrix whose columns are the axes and whose translation is `origin`:
  // it maps coordinates in that system to world coordinates.
  OdGeMatrix3d& setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                               const OdGeVector3d& yAxis, const OdGeVector3d& zAxis);
  void getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
                      OdGeVector3d& zAxis) const;
  // Object coordinates of the plane with this normal to world coordinates,
  // and back. The overloads with an origin put the plane's origin there.
  OdGeMatrix3d& setToPlaneToWorld(const OdGeVector3d& normal);
  OdGeMatrix3d& setToPlaneToWorld(const OdGePoint3d& origin, const OdGeVector3d& normal);
  OdGeMatrix3d& setToWorldToPlane(const OdGeVector3d& normal);
  OdGeMatrix3d& setToWorldToPlane(const OdGePoint3d& origin, const OdGeVector3d& normal);

  static OdGeMatrix3d translation(const OdGeVector3d& offset);
  static OdGeMatrix3d rotation(double angle, const OdGeVector3d& axis,
                               const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d scaling(double scale, const OdGePoint3d& center = OdGePoint3d::kOrigin);
  static OdGeMatrix3d planeToWorld(const OdGeVector3d& normal);
  static OdGeMatrix3d planeToWorld(const OdGePoint3d& origin, const OdGeVector3d& normal);
  static OdGeMatrix3d worldToPlane(const OdGeVector3d& normal);
  static OdGeMatrix3d worldToPlane(const OdGePoint3d& origin, const OdGeVector3d& normal);
  // The x axis of the object coordinate system with this normal (unit length).
  static OdGeVector3d arbitraryAxisX(const OdGeVector3d& normal);

  OdGeMatrix3d operator*(const OdGeMatrix3d& m) const;
  OdGeMatrix3d& operator*=(const OdGeMatrix3d& m) { return *this = *this * m; }
  OdGeMatrix3d& preMultBy(const OdGeMatrix3d& left) { return *this = left * *this; }
  OdGeMatrix3d& postMultBy(const OdGeMatrix3d& right) { return *this = *this * right; }
  OdGeMatrix3d& setToProduct(const OdGeMatrix3d& a, const OdGeMatrix3d& b) { return *this = a * b; }

  double det() const;
  bool isSingular(const OdGeTol& tol = OdGeContext::gTol) const;
  // The inverse; a singular matrix throws OdError(eInvalidInput) and is left
  // unchanged by invert.
  OdGeMatrix3d inverse(const OdGeTol& tol = OdGeContext::gTol) const;
  OdGeMatrix3d& invert(const OdGeTol& tol = OdGeContext::gTol) { return *this = inverse(tol); }
  OdGeMatrix3d transpose() const;
  OdGeMatrix3d& transposeIt() { return *this = transpose(); }

  // Entry-by-entry comparison within tol.equalVector.
  bool isEqualTo(const OdGeMatrix3d& m, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeMatrix3d& m) const { return isEqualTo(m); }
  bool isUniScaledOrtho(const OdGeTol& tol = OdGeContext::gTol) const;
  // Length of the transformed x axis: the scale of a uniformly scaled matrix.
  double scale() const;

  OdGeVector3d translation() const { return {entry[0][3], entry[1][3], entry[2][3]}; }
  OdGePoint3d transformPoint(const OdGePoint3d& p) const;
  OdGeVector3d transformVector(const OdGeVector3d& v) const;
};

inline OdGePoint3d operator*(const OdGeMatrix3d& m, const OdGePoint3d& p) { return m.transformPoint(p); }
inline OdGeVector3d operator*(const OdGeMatrix3d& m, const OdGeVector3d& v) { return m.transformVector(v); }

// Constant-initialized, so other static objects may use it.
inline constexpr const OdGeMatrix3d OdGeMatrix3d::kIdentity{};
