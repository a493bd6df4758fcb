#include <gtest/gtest.h>

#include <functional>

#include "platform/sdk/OdError.h"
#include "platform/sdk/OdGiDrawable.h"
#include "platform/sdk/OdGiRecorder.h"

namespace gi_test {

// A drawable whose drawing steps are given by the test.
class scripted_drawable : public OdGiDrawable {
  ODRX_DECLARE_MEMBERS(scripted_drawable);

public:
  std::function<std::uint32_t(OdGiSubEntityTraits&)> attributes = [](OdGiSubEntityTraits&) { return 0u; };
  std::function<bool(OdGiWorldDraw&)> world = [](OdGiWorldDraw&) { return true; };
  std::function<void(OdGiViewportDraw&)> viewport = [](OdGiViewportDraw&) {};

protected:
  std::uint32_t subSetAttributes(OdGiDrawableTraits* traits) const override {
    return attributes(dynamic_cast<OdGiSubEntityTraits&>(*traits));
  }
  bool subWorldDraw(OdGiWorldDraw* wd) const override { return world(*wd); }
  void subViewportDraw(OdGiViewportDraw* vd) const override { viewport(*vd); }
};

ODRX_CONS_DEFINE_MEMBERS(scripted_drawable, OdGiDrawable, u"SCRIPTED")

}  // namespace gi_test

namespace {

using gi_test::scripted_drawable;
using kind = od_gi_primitive_kind;

void expect_near(const OdGePoint3d& got, const OdGePoint3d& want) {
  EXPECT_TRUE(got.isEqualTo(want, OdGeTol{1e-9, 1e-9}))
      << "got " << got.x << "," << got.y << "," << got.z << " want " << want.x << "," << want.y << "," << want.z;
}

void segment(OdGiGeometry& g, const OdGePoint3d& a, const OdGePoint3d& b) {
  const OdGePoint3d points[] = {a, b};
  g.polyline(2, points);
}

TEST(GiRecorder, PrimitivesKeepTheTraitsInForceWhenDrawn) {
  auto drawable = scripted_drawable::createObject();
  drawable->world = [](OdGiWorldDraw& wd) {
    wd.subEntityTraits().setColor(1);
    segment(wd.geometry(), {0, 0, 0}, {1, 0, 0});
    wd.subEntityTraits().setTrueColor(OdCmEntityColor(10, 20, 30));
    wd.subEntityTraits().setFillType(kOdGiFillAlways);
    wd.subEntityTraits().setTransparency(OdCmTransparency(std::uint8_t{100}));
    const OdGePoint3d square[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    wd.geometry().polygon(4, square);
    wd.subEntityTraits().setLineType(u"DASHED");
    wd.subEntityTraits().setLayer(u"Notes");
    wd.subEntityTraits().setLineWeight(50);
    wd.geometry().circle({5, 5, 0}, 2.0, OdGeVector3d::kZAxis);
    return true;
  };
  OdGiRecorder recorder;
  recorder.draw(drawable.get());
  const auto& p = recorder.primitives();
  ASSERT_EQ(p.size(), 3u);
  EXPECT_EQ(p[0].kind, kind::polyline);
  EXPECT_EQ(p[0].traits.trueColor, OdCmEntityColor::fromIndex(1));
  EXPECT_TRUE(p[0].traits.transparency.isByLayer());
  EXPECT_EQ(p[1].kind, kind::polygon);
  EXPECT_EQ(p[1].traits.trueColor.color(), 0xC20A141Eu);
  EXPECT_EQ(p[1].traits.transparency.alpha(), 100);
  EXPECT_EQ(p[2].kind, kind::circle);
  EXPECT_EQ(p[2].traits.lineType, OdString(u"DASHED"));
  EXPECT_EQ(p[2].traits.layer, OdString(u"Notes"));
  EXPECT_EQ(p[2].traits.lineWeight, 50);
  EXPECT_EQ(p[2].traits.fillType, kOdGiFillAlways);
  // The drawable's traits end with it.
  EXPECT_EQ(recorder.traitsData(), OdGiSubEntityTraitsData());
}

TEST(GiRecorder, ModelTransformStackMovesPointsIntoTheWorld) {
  OdGiRecorder recorder;
  OdGiGeometry& g = recorder.geometry();
  g.pushModelTransform(OdGeMatrix3d::translation({10, 0, 0}));
  g.pushModelTransform(OdGeMatrix3d::rotation(OdaPI2, OdGeVector3d::kZAxis));
  segment(g, {1, 0, 0}, {2, 0, 0});  // rotated first, then moved
  g.popModelTransform();
  segment(g, {1, 0, 0}, {2, 0, 0});
  g.popModelTransform();
  EXPECT_THROW(g.popModelTransform(), OdError);
  const auto& p = recorder.primitives();
  ASSERT_EQ(p.size(), 2u);
  expect_near(p[0].points[0], {10, 1, 0});
  expect_near(p[0].points[1], {10, 2, 0});
  expect_near(p[1].points[0], {11, 0, 0});
  EXPECT_TRUE(recorder.getModelToWorldTransform().isEqualTo(OdGeMatrix3d::kIdentity));
}

TEST(GiRecorder, CirclesFollowScalingAndObjectCoordinateSystems) {
  OdGiRecorder recorder;
  OdGiGeometry& g = recorder.geometry();
  g.pushModelTransform(OdGeMatrix3d::scaling(3.0, {1, 1, 0}));
  g.circle({2, 1, 0}, 0.5, OdGeVector3d::kZAxis);
  g.popModelTransform();
  g.pushModelTransform(OdGeVector3d(0, 0, -1));  // the OCS of a mirrored entity
  g.circle({2, 3, 1}, 1.0, OdGeVector3d::kZAxis);
  const auto& p = recorder.primitives();
  ASSERT_EQ(p.size(), 2u);
  expect_near(p[0].center, {4, 1, 0});
  EXPECT_NEAR(p[0].radius, 1.5, 1e-12);
  expect_near(p[1].center, {-2, 3, -1});
  EXPECT_TRUE(p[1].normal.isEqualTo({0, 0, -1}));
  EXPECT_THROW(g.circle({0, 0, 0}, 1.0, OdGeVector3d()), OdError);
  EXPECT_THROW(g.circle({0, 0, 0}, -1.0, OdGeVector3d::kZAxis), OdError);
}

TEST(GiRecorder, NestedDrawRestoresTraitsAndTransformsEvenWhenUnbalanced) {
  auto inner = scripted_drawable::createObject();
  inner->world = [](OdGiWorldDraw& wd) {
    wd.subEntityTraits().setColor(5);
    wd.geometry().pushModelTransform(OdGeMatrix3d::translation({100, 0, 0}));  // never popped
    segment(wd.geometry(), {0, 0, 0}, {1, 0, 0});
    return true;
  };
  auto outer = scripted_drawable::createObject();
  outer->world = [keepInner = OdGiDrawablePtr(inner)](OdGiWorldDraw& wd) {
    wd.subEntityTraits().setColor(2);
    wd.geometry().pushModelTransform(OdGeMatrix3d::translation({0, 7, 0}));
    wd.geometry().draw(keepInner.get());
    segment(wd.geometry(), {0, 0, 0}, {1, 0, 0});
    wd.geometry().popModelTransform();
    return true;
  };
  OdGiRecorder recorder;
  recorder.draw(outer.get());
  const auto& p = recorder.primitives();
  ASSERT_EQ(p.size(), 2u);
  expect_near(p[0].points[0], {100, 7, 0});
  EXPECT_EQ(p[0].traits.trueColor.colorIndex(), 5);
  expect_near(p[1].points[0], {0, 7, 0});  // inner's push is gone
  EXPECT_EQ(p[1].traits.trueColor.colorIndex(), 2);
  EXPECT_EQ(inner->numRefs(), 2);  // held by the test and by the outer drawable
}

TEST(GiRecorder, AThrowingDrawableLeavesTheRecorderAsItWas) {
  auto drawable = scripted_drawable::createObject();
  drawable->world = [](OdGiWorldDraw& wd) -> bool {
    wd.subEntityTraits().setColor(4);
    wd.geometry().pushModelTransform(OdGeMatrix3d::scaling(2.0));
    throw OdError(eInvalidInput);
  };
  OdGiRecorder recorder;
  EXPECT_THROW(recorder.draw(drawable.get()), OdError);
  EXPECT_EQ(recorder.traitsData(), OdGiSubEntityTraitsData());
  EXPECT_TRUE(recorder.getModelToWorldTransform().isEqualTo(OdGeMatrix3d::kIdentity));
}

TEST(GiRecorder, WorldToEyeFollowsTheView) {
  OdGiRecorder recorder;
  EXPECT_TRUE(recorder.getWorldToEyeTransform().isEqualTo(OdGeMatrix3d::kIdentity));
  // Looking from +x with z up: world y is eye x (to the right), world z eye y.
  recorder.setView({{5, 0, 0}, OdGeVector3d::kXAxis, OdGeVector3d::kZAxis, 1.0});
  expect_near(recorder.getWorldToEyeTransform() * OdGePoint3d(5, 1, 2), {1, 2, 0});
  expect_near(recorder.getWorldToEyeTransform() * OdGePoint3d(8, 0, 0), {0, 0, 3});
  EXPECT_TRUE(recorder.viewport().getViewDirection().isEqualTo(OdGeVector3d::kXAxis));
}

TEST(GiRecorder, ExtentsCoverPolylinesAndTiltedCircles) {
  OdGiRecorder recorder;
  segment(recorder, {-1, 0, 0}, {0, 2, 0});
  // A circle standing in the xz plane reaches only along x and z.
  recorder.circle({10, 0, 0}, 2.0, OdGeVector3d::kYAxis);
  const OdGeExtents3d box = od_gi_primitives_extents(recorder.primitives());
  expect_near(box.minPoint(), {-1, 0, -2});
  expect_near(box.maxPoint(), {12, 2, 2});
  EXPECT_FALSE(od_gi_primitives_extents({}).isValidExtents());
}

TEST(GiRecorder, TextRunsKeepStyleStringAndWorldAxes) {
  OdGiRecorder recorder;
  OdGiTextStyle style;
  style.setTextSize(2.5);
  const OdString msg(u"Abc");
  recorder.pushModelTransform(OdGeMatrix3d::translation({100, 0, 0}));
  // Direction not quite in the plane: only its in-plane part counts.
  recorder.text({1, 2, 0}, OdGeVector3d::kZAxis, {0, 3, 0.5}, msg.c_str(), 2, true, &style);
  recorder.popModelTransform();
  recorder.text({0, 0, 0}, OdGeVector3d(0, 0, -1), OdGeVector3d::kXAxis, 4.0, 0.8, 0.2, u"x");
  const auto& p = recorder.primitives();
  ASSERT_EQ(p.size(), 2u);
  ASSERT_TRUE(p[0].text);
  EXPECT_EQ(p[0].kind, od_gi_primitive_kind::text_run);
  EXPECT_EQ(p[0].text->text, OdString(u"Ab"));  // length counts
  EXPECT_TRUE(p[0].text->raw);
  EXPECT_DOUBLE_EQ(p[0].text->style.textSize(), 2.5);
  expect_near(p[0].text->position, {101, 2, 0});
  expect_near(OdGePoint3d::kOrigin + p[0].text->x_axis, {0, 1, 0});
  expect_near(OdGePoint3d::kOrigin + p[0].text->y_axis, {-1, 0, 0});
  // With the normal pointing down, the text's up is world -y.
  expect_near(OdGePoint3d::kOrigin + p[1].text->y_axis, {0, -1, 0});
  EXPECT_DOUBLE_EQ(p[1].text->style.textSize(), 4.0);
  EXPECT_DOUBLE_EQ(p[1].text->style.xScale(), 0.8);
  EXPECT_DOUBLE_EQ(p[1].text->style.obliquingAngle(), 0.2);
  EXPECT_THROW(recorder.text({}, OdGeVector3d::kZAxis, OdGeVector3d::kZAxis, 1, 1, 0, u"x"), OdError);
}

}  // namespace
