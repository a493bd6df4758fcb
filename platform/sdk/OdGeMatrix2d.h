// OdGeMatrix2d: an affine transformation of the plane as a 3x3 matrix.
//
// Points are columns: p' = M * p, so in A * B the transformation B applies
// first; the last row is (0, 0, 1).
#pragma once

#include "platform/sdk/OdGePoint2d.h"
#include "platform/sdk/OdGeVector2d.h"

class OdGeMatrix2d {
public:
  // The identity.
  constexpr OdGeMatrix2d() = default;

  static const OdGeMatrix2d kIdentity;

  double entry[3][3] = {{1.0, 0.0, 0.0}, {0.0, 1.0, 0.0}, {0.0, 0.0, 1.0}};
  double operator()(int row, int column) const { return entry[row][column]; }
  double& operator()(int row, int column) { return entry[row][column]; }

  OdGeMatrix2d& setToIdentity();
  OdGeMatrix2d& setToTranslation(const OdGeVector2d& offset);
  // Counter-clockwise by `angle` radians about `center`.
  OdGeMatrix2d& setToRotation(double angle, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  OdGeMatrix2d& setToScaling(double scale, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  OdGeMatrix2d& setCoordSystem(const OdGePoint2d& origin, const OdGeVector2d& xAxis,
                               const OdGeVector2d& yAxis);
  void getCoordSystem(OdGePoint2d& origin, OdGeVector2d& xAxis, OdGeVector2d& yAxis) const;

  static OdGeMatrix2d translation(const OdGeVector2d& offset);
  static OdGeMatrix2d rotation(double angle, const OdGePoint2d& center = OdGePoint2d::kOrigin);
  static OdGeMatrix2d scaling(double scale, const OdGePoint2d& center = OdGePoint2d::kOrigin);

  OdGeMatrix2d operator*(const OdGeMatrix2d& m) const;
  OdGeMatrix2d& operator*=(const OdGeMatrix2d& m) { return *this = *this * m; }
  OdGeMatrix2d& preMultBy(const OdGeMatrix2d& left) { return *this = left * *this; }
  OdGeMatrix2d& postMultBy(const OdGeMatrix2d& right) { return *this = *this * right; }

  double det() const;
  bool isSingular(const OdGeTol& tol = OdGeContext::gTol) const;
  // The inverse; a singular matrix throws OdError(eInvalidInput).
  OdGeMatrix2d inverse(const OdGeTol& tol = OdGeContext::gTol) const;
  OdGeMatrix2d& invert(const OdGeTol& tol = OdGeContext::gTol) { return *this = inverse(tol); }
  OdGeMatrix2d& transposeIt();

  bool isEqualTo(const OdGeMatrix2d& m, const OdGeTol& tol = OdGeContext::gTol) const;
  bool operator==(const OdGeMatrix2d& m) const { return isEqualTo(m); }

  OdGeVector2d translation() const { return {entry[0][2], entry[1][2]}; }
  OdGePoint2d transformPoint(const OdGePoint2d& p) const;
  OdGeVector2d transformVector(const OdGeVector2d& v) const;
};

inline OdGePoint2d operator*(const OdGeMatrix2d& m, const OdGePoint2d& p) { return m.transformPoint(p); }
inline OdGeVector2d operator*(const OdGeMatrix2d& m, const OdGeVector2d& v) { return m.transformVector(v); }

// Constant-initialized, so other static objects may use it.
inline constexpr const OdGeMatrix2d OdGeMatrix2d::kIdentity{};
