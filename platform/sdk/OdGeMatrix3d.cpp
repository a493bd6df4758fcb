#include "platform/sdk/OdGeMatrix3d.h"

#include <algorithm>
#include <utility>

#include "platform/sdk/OdError.h"

OdGeMatrix3d& OdGeMatrix3d::setToIdentity() {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) entry[r][c] = r == c ? 1.0 : 0.0;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToTranslation(const OdGeVector3d& offset) {
  setToIdentity();
  entry[0][3] = offset.x;
  entry[1][3] = offset.y;
  entry[2][3] = offset.z;
  return *this;
}

// Rodrigues' formula for the linear part, then the translation that keeps
// `center` fixed: t = c - R c.
OdGeMatrix3d& OdGeMatrix3d::setToRotation(double angle, const OdGeVector3d& axis,
                                          const OdGePoint3d& center) {
  if (axis.isZeroLength()) throw OdError(eInvalidInput, "OdGeMatrix3d::setToRotation: zero axis");
  const OdGeVector3d u = axis.normal();
  const double c = std::cos(angle), s = std::sin(angle), t = 1.0 - c;
  setToIdentity();
  entry[0][0] = t * u.x * u.x + c;
  entry[0][1] = t * u.x * u.y - s * u.z;
  entry[0][2] = t * u.x * u.z + s * u.y;
  entry[1][0] = t * u.x * u.y + s * u.z;
  entry[1][1] = t * u.y * u.y + c;
  entry[1][2] = t * u.y * u.z - s * u.x;
  entry[2][0] = t * u.x * u.z - s * u.y;
  entry[2][1] = t * u.y * u.z + s * u.x;
  entry[2][2] = t * u.z * u.z + c;
  const OdGeVector3d moved = transformVector(center.asVector());
  entry[0][3] = center.x - moved.x;
  entry[1][3] = center.y - moved.y;
  entry[2][3] = center.z - moved.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToScaling(double scale, const OdGePoint3d& center) {
  setToIdentity();
  for (int i = 0; i < 3; ++i) entry[i][i] = scale;
  entry[0][3] = center.x * (1.0 - scale);
  entry[1][3] = center.y * (1.0 - scale);
  entry[2][3] = center.z * (1.0 - scale);
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setCoordSystem(const OdGePoint3d& origin, const OdGeVector3d& xAxis,
                                           const OdGeVector3d& yAxis, const OdGeVector3d& zAxis) {
  setToIdentity();
  const OdGeVector3d columns[4] = {xAxis, yAxis, zAxis, origin.asVector()};
  for (int c = 0; c < 4; ++c) {
    entry[0][c] = columns[c].x;
    entry[1][c] = columns[c].y;
    entry[2][c] = columns[c].z;
  }
  return *this;
}

void OdGeMatrix3d::getCoordSystem(OdGePoint3d& origin, OdGeVector3d& xAxis, OdGeVector3d& yAxis,
                                  OdGeVector3d& zAxis) const {
  xAxis = {entry[0][0], entry[1][0], entry[2][0]};
  yAxis = {entry[0][1], entry[1][1], entry[2][1]};
  zAxis = {entry[0][2], entry[1][2], entry[2][2]};
  origin = {entry[0][3], entry[1][3], entry[2][3]};
}

OdGeVector3d OdGeMatrix3d::arbitraryAxisX(const OdGeVector3d& normal) {
  if (normal.isZeroLength()) throw OdError(eInvalidInput, "OdGeMatrix3d: zero plane normal");
  const OdGeVector3d n = normal.normal();
  constexpr double nearZ = 1.0 / 64.0;
  const OdGeVector3d& pole = (std::fabs(n.x) < nearZ && std::fabs(n.y) < nearZ) ? OdGeVector3d::kYAxis
                                                                               : OdGeVector3d::kZAxis;
  return pole.crossProduct(n).normal();
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGePoint3d& origin, const OdGeVector3d& normal) {
  const OdGeVector3d xAxis = arbitraryAxisX(normal);
  const OdGeVector3d zAxis = normal.normal();
  return setCoordSystem(origin, xAxis, zAxis.crossProduct(xAxis).normal(), zAxis);
}

OdGeMatrix3d& OdGeMatrix3d::setToPlaneToWorld(const OdGeVector3d& normal) {
  return setToPlaneToWorld(OdGePoint3d::kOrigin, normal);
}

// The plane's axes are orthonormal, so the inverse is the transposed linear
// part with the origin moved back.
OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGePoint3d& origin, const OdGeVector3d& normal) {
  setToPlaneToWorld(normal).transposeIt();
  const OdGeVector3d back = transformVector(origin.asVector());
  entry[0][3] = -back.x;
  entry[1][3] = -back.y;
  entry[2][3] = -back.z;
  return *this;
}

OdGeMatrix3d& OdGeMatrix3d::setToWorldToPlane(const OdGeVector3d& normal) {
  return setToWorldToPlane(OdGePoint3d::kOrigin, normal);
}

OdGeMatrix3d OdGeMatrix3d::translation(const OdGeVector3d& offset) { return OdGeMatrix3d().setToTranslation(offset); }
OdGeMatrix3d OdGeMatrix3d::rotation(double angle, const OdGeVector3d& axis, const OdGePoint3d& center) {
  return OdGeMatrix3d().setToRotation(angle, axis, center);
}
OdGeMatrix3d OdGeMatrix3d::scaling(double scale, const OdGePoint3d& center) {
  return OdGeMatrix3d().setToScaling(scale, center);
}
OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGeVector3d& normal) { return OdGeMatrix3d().setToPlaneToWorld(normal); }
OdGeMatrix3d OdGeMatrix3d::planeToWorld(const OdGePoint3d& origin, const OdGeVector3d& normal) {
  return OdGeMatrix3d().setToPlaneToWorld(origin, normal);
}
OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGeVector3d& normal) { return OdGeMatrix3d().setToWorldToPlane(normal); }
OdGeMatrix3d OdGeMatrix3d::worldToPlane(const OdGePoint3d& origin, const OdGeVector3d& normal) {
  return OdGeMatrix3d().setToWorldToPlane(origin, normal);
}

OdGeMatrix3d OdGeMatrix3d::operator*(const OdGeMatrix3d& m) const {
  OdGeMatrix3d product;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += entry[r][k] * m.entry[k][c];
      product.entry[r][c] = sum;
    }
  return product;
}

namespace {

using rows4 = double[4][4];

// Gaussian elimination with partial pivoting; returns the determinant and
// leaves `work` upper triangular.
double eliminate(rows4& work) {
  double det = 1.0;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(work[r][col]) > std::fabs(work[pivot][col])) pivot = r;
    if (work[pivot][col] == 0.0) return 0.0;
    if (pivot != col) {
      std::swap(work[pivot], work[col]);
      det = -det;
    }
    det *= work[col][col];
    for (int r = col + 1; r < 4; ++r) {
      const double f = work[r][col] / work[col][col];
      for (int c = col; c < 4; ++c) work[r][c] -= f * work[col][c];
    }
  }
  return det;
}

// Product of the column lengths: the largest |det| columns of these lengths
// can have, which makes the singularity test independent of scale.
double hadamard_bound(const rows4& m) {
  double bound = 1.0;
  for (int c = 0; c < 4; ++c) {
    double sum = 0.0;
    for (int r = 0; r < 4; ++r) sum += m[r][c] * m[r][c];
    bound *= std::sqrt(sum);
  }
  return bound;
}

}  // namespace

double OdGeMatrix3d::det() const {
  rows4 work;
  std::copy(&entry[0][0], &entry[0][0] + 16, &work[0][0]);
  return eliminate(work);
}

bool OdGeMatrix3d::isSingular(const OdGeTol& tol) const {
  const double bound = hadamard_bound(entry);
  return bound == 0.0 || std::fabs(det()) <= tol.equalVector * bound;
}

// Gauss-Jordan on [M | I] with partial pivoting.
OdGeMatrix3d OdGeMatrix3d::inverse(const OdGeTol& tol) const {
  if (isSingular(tol)) throw OdError(eInvalidInput, "OdGeMatrix3d::inverse: the matrix is singular");
  rows4 work;
  std::copy(&entry[0][0], &entry[0][0] + 16, &work[0][0]);
  OdGeMatrix3d result;
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 4; ++r)
      if (std::fabs(work[r][col]) > std::fabs(work[pivot][col])) pivot = r;
    std::swap(work[pivot], work[col]);
    std::swap(result.entry[pivot], result.entry[col]);
    const double p = work[col][col];
    for (int c = 0; c < 4; ++c) {
      work[col][c] /= p;
      result.entry[col][c] /= p;
    }
    for (int r = 0; r < 4; ++r) {
      if (r == col) continue;
      const double f = work[r][col];
      for (int c = 0; c < 4; ++c) {
        work[r][c] -= f * work[col][c];
        result.entry[r][c] -= f * result.entry[col][c];
      }
    }
  }
  return result;
}

OdGeMatrix3d OdGeMatrix3d::transpose() const {
  OdGeMatrix3d t;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) t.entry[r][c] = entry[c][r];
  return t;
}

bool OdGeMatrix3d::isEqualTo(const OdGeMatrix3d& m, const OdGeTol& tol) const {
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c)
      if (std::fabs(entry[r][c] - m.entry[r][c]) > tol.equalVector) return false;
  return true;
}

bool OdGeMatrix3d::isUniScaledOrtho(const OdGeTol& tol) const {
  OdGePoint3d origin;
  OdGeVector3d x, y, z;
  getCoordSystem(origin, x, y, z);
  const double len = x.length();
  return len > tol.equalVector && std::fabs(y.length() - len) <= tol.equalVector * len &&
         std::fabs(z.length() - len) <= tol.equalVector * len && x.isPerpendicularTo(y, tol) &&
         y.isPerpendicularTo(z, tol) && z.isPerpendicularTo(x, tol);
}

double OdGeMatrix3d::scale() const { return OdGeVector3d(entry[0][0], entry[1][0], entry[2][0]).length(); }

OdGePoint3d OdGeMatrix3d::transformPoint(const OdGePoint3d& p) const {
  double out[4];
  for (int r = 0; r < 4; ++r) out[r] = entry[r][0] * p.x + entry[r][1] * p.y + entry[r][2] * p.z + entry[r][3];
  // Only a projective matrix has w != 1; divide so such matrices still work.
  const double w = out[3] != 0.0 ? out[3] : 1.0;
  return {out[0] / w, out[1] / w, out[2] / w};
}

OdGeVector3d OdGeMatrix3d::transformVector(const OdGeVector3d& v) const {
  return {entry[0][0] * v.x + entry[0][1] * v.y + entry[0][2] * v.z,
          entry[1][0] * v.x + entry[1][1] * v.y + entry[1][2] * v.z,
          entry[2][0] * v.x + entry[2][1] * v.y + entry[2][2] * v.z};
}

// Point and vector members that need the matrix.

OdGePoint3d& OdGePoint3d::transformBy(const OdGeMatrix3d& m) { return *this = m.transformPoint(*this); }

OdGePoint3d& OdGePoint3d::rotateBy(double angle, const OdGeVector3d& axis, const OdGePoint3d& center) {
  return transformBy(OdGeMatrix3d::rotation(angle, axis, center));
}

OdGeVector3d& OdGeVector3d::transformBy(const OdGeMatrix3d& m) { return *this = m.transformVector(*this); }

OdGeVector3d& OdGeVector3d::rotateBy(double angle, const OdGeVector3d& axis) {
  return transformBy(OdGeMatrix3d::rotation(angle, axis));
}

OdGeVector3d OdGeVector3d::perpVector() const { return OdGeMatrix3d::arbitraryAxisX(*this); }
