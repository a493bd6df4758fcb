#include <gtest/gtest.h>

#include "platform/sdk/OdError.h"
#include "platform/sdk/OdGeExtents2d.h"
#include "platform/sdk/OdGeExtents3d.h"
#include "platform/sdk/OdGeMatrix2d.h"
#include "platform/sdk/OdGeMatrix3d.h"

namespace {

constexpr double kTight = 1e-9;

void expect_near(const OdGePoint3d& got, const OdGePoint3d& want) {
  EXPECT_NEAR(got.x, want.x, kTight);
  EXPECT_NEAR(got.y, want.y, kTight);
  EXPECT_NEAR(got.z, want.z, kTight);
}
void expect_near(const OdGeVector3d& got, const OdGeVector3d& want) {
  expect_near(OdGePoint3d(got.x, got.y, got.z), OdGePoint3d(want.x, want.y, want.z));
}

// Arbitrary-axis rule: normals and the OCS x axis a drawing file implies.
struct ocs_case {
  OdGeVector3d normal;
  OdGeVector3d xAxis;
};
const ocs_case ocs_cases[] = {
    {{0, 0, 1}, {1, 0, 0}},
    {{0, 0, -1}, {-1, 0, 0}},
    // Just inside the 1/64 window: still Wy x N (close to +x).
    {{0.01, 0.01, 1}, OdGeVector3d(1.0, 0, -0.01).normal()},
    // Outside the window: Wz x N.
    {{1, 0, 0}, {0, 1, 0}},
    {{0, 1, 0}, {-1, 0, 0}},
    {{0, -1, 0}, {1, 0, 0}},
    {{1, 1, 1}, OdGeVector3d(-1, 1, 0).normal()},
};

TEST(GeMatrix3dOcs, ArbitraryAxisFollowsTheDrawingFileRule) {
  for (const auto& c : ocs_cases) {
    SCOPED_TRACE(testing::Message() << c.normal.x << "," << c.normal.y << "," << c.normal.z);
    OdGePoint3d origin;
    OdGeVector3d x, y, z;
    OdGeMatrix3d::planeToWorld(c.normal).getCoordSystem(origin, x, y, z);
    expect_near(x, c.xAxis);
    expect_near(z, c.normal.normal());
    expect_near(y, z.crossProduct(x));
    EXPECT_TRUE(c.normal.perpVector().isEqualTo(c.xAxis, OdGeTol{kTight, kTight}));
  }
  EXPECT_THROW(OdGeMatrix3d::planeToWorld(OdGeVector3d()), OdError);
}

TEST(GeMatrix3dOcs, PlaneToWorldThenWorldToPlaneIsIdentity) {
  const OdGePoint3d origins[] = {{0, 0, 0}, {3, -4, 5}};
  for (const auto& c : ocs_cases)
    for (const auto& origin : origins) {
      const OdGeMatrix3d there = OdGeMatrix3d::planeToWorld(origin, c.normal);
      const OdGeMatrix3d back = OdGeMatrix3d::worldToPlane(origin, c.normal);
      EXPECT_TRUE((back * there).isEqualTo(OdGeMatrix3d::kIdentity, OdGeTol{kTight, kTight}));
      EXPECT_TRUE((there * back).isEqualTo(OdGeMatrix3d::kIdentity, OdGeTol{kTight, kTight}));
      expect_near(there * OdGePoint3d::kOrigin, origin);
    }
}

struct rotation_case {
  double angle;
  OdGeVector3d axis;
  OdGePoint3d center, from, to;
};
const rotation_case rotation_cases[] = {
    {OdaPI2, {0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
    {OdaPI2, {0, 0, -1}, {0, 0, 0}, {1, 0, 0}, {0, -1, 0}},
    {OdaPI, {0, 0, 1}, {1, 1, 0}, {2, 1, 5}, {0, 1, 5}},
    {OdaPI2, {1, 0, 0}, {0, 0, 0}, {0, 1, 0}, {0, 0, 1}},
    {OdaPI2, {0, 1, 0}, {0, 0, 0}, {0, 0, 1}, {1, 0, 0}},
    // A third of a turn about the diagonal permutes the axes.
    {Oda2PI / 3, {1, 1, 1}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
    {OdaPI2, {0, 0, 1}, {10, 0, 0}, {10, 0, 0}, {10, 0, 0}},
};

TEST(GeMatrix3d, RotationMovesKnownPoints) {
  for (const auto& c : rotation_cases) {
    expect_near(OdGeMatrix3d::rotation(c.angle, c.axis, c.center) * c.from, c.to);
    OdGePoint3d p = c.from;
    expect_near(p.rotateBy(c.angle, c.axis, c.center), c.to);
  }
  OdGeVector3d v(1, 0, 0);
  expect_near(v.rotateBy(OdaPI2, OdGeVector3d::kZAxis), {0, 1, 0});
  EXPECT_THROW(OdGeMatrix3d::rotation(1.0, OdGeVector3d()), OdError);
}

TEST(GeMatrix3d, SingularMatrixIsDetectedAndNotInverted) {
  OdGeMatrix3d flat;
  flat.setCoordSystem({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0});  // z axis in the xy plane
  EXPECT_TRUE(flat.isSingular());
  EXPECT_NEAR(flat.det(), 0.0, kTight);
  EXPECT_THROW(flat.inverse(), OdError);
  const OdGeMatrix3d before = flat;
  EXPECT_THROW(flat.invert(), OdError);
  EXPECT_TRUE(flat.isEqualTo(before));
  EXPECT_TRUE(OdGeMatrix3d::scaling(0.0).isSingular());
}

TEST(GeVector3d, AnglesAndRelations) {
  const OdGeVector3d x = OdGeVector3d::kXAxis, y = OdGeVector3d::kYAxis, z = OdGeVector3d::kZAxis;
  EXPECT_NEAR(x.angleTo(y), OdaPI2, kTight);
  EXPECT_NEAR(x.angleTo(-x), OdaPI, kTight);
  EXPECT_NEAR(x.angleTo(y, z), OdaPI2, kTight);
  EXPECT_NEAR(x.angleTo(y, -z), 3 * OdaPI2, kTight);
  EXPECT_NEAR(x.angleTo(OdGeVector3d(1, -1, 0), z), 7 * OdaPI / 4, kTight);
  EXPECT_TRUE(x.isParallelTo(-x * 3));
  EXPECT_FALSE(x.isCodirectionalTo(-x));
  EXPECT_TRUE(x.isCodirectionalTo(x * 2));
  EXPECT_TRUE(x.isPerpendicularTo(z));
  EXPECT_FALSE(x.isPerpendicularTo(OdGeVector3d(1, 1e-3, 0)));
  EXPECT_FALSE(x.isParallelTo(OdGeVector3d()));
}

TEST(GeMatrix2d, RotationTranslationScalingAndInverse) {
  const OdGeMatrix2d turn = OdGeMatrix2d::rotation(OdaPI2, {1, 1});
  const OdGePoint2d p = turn * OdGePoint2d(2, 1);
  EXPECT_NEAR(p.x, 1.0, kTight);
  EXPECT_NEAR(p.y, 2.0, kTight);
  const OdGeMatrix2d all = OdGeMatrix2d::translation({3, -2}) * turn * OdGeMatrix2d::scaling(2.5, {4, 0});
  EXPECT_TRUE((all.inverse() * all).isEqualTo(OdGeMatrix2d::kIdentity, OdGeTol{kTight, kTight}));
  OdGePoint2d q(5, 6);
  q.transformBy(all).transformBy(all.inverse());
  EXPECT_TRUE(q.isEqualTo({5, 6}, OdGeTol{kTight, kTight}));
  OdGeVector2d v(1, 0);
  v.transformBy(OdGeMatrix2d::translation({9, 9}) * OdGeMatrix2d::rotation(OdaPI));
  EXPECT_TRUE(v.isEqualTo({-1, 0}, OdGeTol{kTight, kTight}));
  EXPECT_NEAR(all.det(), 2.5 * 2.5, kTight);
  EXPECT_TRUE(OdGeMatrix2d::scaling(0.0).isSingular());
  EXPECT_THROW(OdGeMatrix2d::scaling(0.0).inverse(), OdError);
}

TEST(GeExtents3d, StartsInvalidAndGrows) {
  OdGeExtents3d box;
  EXPECT_FALSE(box.isValidExtents());
  EXPECT_FALSE(box.contains(OdGePoint3d::kOrigin));
  box.addExt(OdGeExtents3d());  // an empty box adds nothing
  EXPECT_FALSE(box.isValidExtents());
  box.addPoint({1, 5, -1}).addPoint({-2, 3, 4});
  expect_near(box.minPoint(), {-2, 3, -1});
  expect_near(box.maxPoint(), {1, 5, 4});
  expect_near(box.center(), {-0.5, 4, 1.5});
  EXPECT_TRUE(box.contains(OdGePoint3d(1, 5, 4)));
  EXPECT_FALSE(box.contains(OdGePoint3d(1.001, 5, 4)));
  box.addExt(OdGeExtents3d({10, 10, 10}, {9, 9, 9}));
  expect_near(box.maxPoint(), {10, 10, 10});
}

TEST(GeExtents3d, TransformedBoxHoldsAllRotatedCorners) {
  // The unit square turned 45 degrees about its corner reaches +-sqrt(1/2) in x.
  OdGeExtents3d box({0, 0, 0}, {1, 1, 0});
  box.transformBy(OdGeMatrix3d::rotation(OdaPI / 4, OdGeVector3d::kZAxis));
  const double h = std::sqrt(0.5);
  expect_near(box.minPoint(), {-h, 0, 0});
  expect_near(box.maxPoint(), {h, 2 * h, 0});
  OdGeExtents3d mirrored({1, 2, 3}, {4, 6, 8});
  mirrored.transformBy(OdGeMatrix3d::planeToWorld(OdGeVector3d(0, 0, -1)));
  expect_near(mirrored.minPoint(), {-4, 2, -8});
  expect_near(mirrored.maxPoint(), {-1, 6, -3});
}

TEST(GeExtents2d, GrowsContainsAndTransforms) {
  OdGeExtents2d box;
  EXPECT_FALSE(box.isValidExtents());
  box.addPoint({2, 2}).addPoint({0, 1});
  EXPECT_TRUE(box.contains(OdGePoint2d(1, 1.5)));
  EXPECT_FALSE(box.contains(OdGePoint2d(-0.1, 1.5)));
  box.transformBy(OdGeMatrix2d::rotation(OdaPI2));
  EXPECT_TRUE(box.minPoint().isEqualTo({-2, 0}, OdGeTol{kTight, kTight}));
  EXPECT_TRUE(box.maxPoint().isEqualTo({-1, 2}, OdGeTol{kTight, kTight}));
}

}  // namespace
