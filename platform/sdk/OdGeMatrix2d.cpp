#include "platform/sdk/OdGeMatrix2d.h"

#include <utility>

#include "platform/sdk/OdError.h"

OdGeMatrix2d& OdGeMatrix2d::setToIdentity() {
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setToTranslation(const OdGeVector2d& offset) {
  setToIdentity();
  entry[0][2] = offset.x;
  entry[1][2] = offset.y;
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setToRotation(double angle, const OdGePoint2d& center) {
  const double c = std::cos(angle), s = std::sin(angle);
  setToIdentity();
  entry[0][0] = c;
  entry[0][1] = -s;
  entry[1][0] = s;
  entry[1][1] = c;
  // Keep the center fixed: t = center - R * center.
  entry[0][2] = center.x - (c * center.x - s * center.y);
  entry[1][2] = center.y - (s * center.x + c * center.y);
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setToScaling(double scale, const OdGePoint2d& center) {
  setToIdentity();
  entry[0][0] = entry[1][1] = scale;
  entry[0][2] = center.x * (1.0 - scale);
  entry[1][2] = center.y * (1.0 - scale);
  return *this;
}

OdGeMatrix2d& OdGeMatrix2d::setCoordSystem(const OdGePoint2d& origin, const OdGeVector2d& xAxis,
                                           const OdGeVector2d& yAxis) {
  setToIdentity();
  entry[0][0] = xAxis.x;
  entry[1][0] = xAxis.y;
  entry[0][1] = yAxis.x;
  entry[1][1] = yAxis.y;
  entry[0][2] = origin.x;
  entry[1][2] = origin.y;
  return *this;
}

void OdGeMatrix2d::getCoordSystem(OdGePoint2d& origin, OdGeVector2d& xAxis, OdGeVector2d& yAxis) const {
  xAxis = {entry[0][0], entry[1][0]};
  yAxis = {entry[0][1], entry[1][1]};
  origin = {entry[0][2], entry[1][2]};
}

OdGeMatrix2d OdGeMatrix2d::translation(const OdGeVector2d& offset) { return OdGeMatrix2d().setToTranslation(offset); }
OdGeMatrix2d OdGeMatrix2d::rotation(double angle, const OdGePoint2d& center) {
  return OdGeMatrix2d().setToRotation(angle, center);
}
OdGeMatrix2d OdGeMatrix2d::scaling(double scale, const OdGePoint2d& center) {
  return OdGeMatrix2d().setToScaling(scale, center);
}

OdGeMatrix2d OdGeMatrix2d::operator*(const OdGeMatrix2d& m) const {
  OdGeMatrix2d product;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k) sum += entry[r][k] * m.entry[k][c];
      product.entry[r][c] = sum;
    }
  return product;
}

namespace {
double minor2(const double (&e)[3][3], int r0, int r1, int c0, int c1) {
  return e[r0][c0] * e[r1][c1] - e[r0][c1] * e[r1][c0];
}
}  // namespace

double OdGeMatrix2d::det() const {
  return entry[0][0] * minor2(entry, 1, 2, 1, 2) - entry[0][1] * minor2(entry, 1, 2, 0, 2) +
         entry[0][2] * minor2(entry, 1, 2, 0, 1);
}

// Relative to the product of column lengths, so the test does not depend on scale.
bool OdGeMatrix2d::isSingular(const OdGeTol& tol) const {
  double bound = 1.0;
  for (int c = 0; c < 3; ++c)
    bound *= std::sqrt(entry[0][c] * entry[0][c] + entry[1][c] * entry[1][c] + entry[2][c] * entry[2][c]);
  return bound == 0.0 || std::fabs(det()) <= tol.equalVector * bound;
}

// The adjugate over the determinant.
OdGeMatrix2d OdGeMatrix2d::inverse(const OdGeTol& tol) const {
  if (isSingular(tol)) throw OdError(eInvalidInput, "OdGeMatrix2d::inverse: the matrix is singular");
  const double d = det();
  OdGeMatrix2d inv;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) {
      const int r0 = (c + 1) % 3, r1 = (c + 2) % 3, c0 = (r + 1) % 3, c1 = (r + 2) % 3;
      inv.entry[r][c] = minor2(entry, r0, r1, c0, c1) / d;
    }
  return inv;
}

OdGeMatrix2d& OdGeMatrix2d::transposeIt() {
  for (int r = 0; r < 3; ++r)
    for (int c = r + 1; c < 3; ++c) std::swap(entry[r][c], entry[c][r]);
  return *this;
}

bool OdGeMatrix2d::isEqualTo(const OdGeMatrix2d& m, const OdGeTol& tol) const {
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      if (std::fabs(entry[r][c] - m.entry[r][c]) > tol.equalVector) return false;
  return true;
}

OdGePoint2d OdGeMatrix2d::transformPoint(const OdGePoint2d& p) const {
  return {entry[0][0] * p.x + entry[0][1] * p.y + entry[0][2], entry[1][0] * p.x + entry[1][1] * p.y + entry[1][2]};
}

OdGeVector2d OdGeMatrix2d::transformVector(const OdGeVector2d& v) const {
  return {entry[0][0] * v.x + entry[0][1] * v.y, entry[1][0] * v.x + entry[1][1] * v.y};
}

OdGePoint2d& OdGePoint2d::transformBy(const OdGeMatrix2d& m) { return *this = m.transformPoint(*this); }
OdGeVector2d& OdGeVector2d::transformBy(const OdGeMatrix2d& m) { return *this = m.transformVector(*this); }
