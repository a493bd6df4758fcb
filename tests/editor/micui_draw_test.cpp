#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <type_traits>

#include "editor/micui_resizer.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace {

using namespace micui;
using kind = od_gi_primitive_kind;

const OdCmEntityColor kNone(OdCmEntityColor::kNone);
const OdCmEntityColor kRed(200, 30, 30);
const OdCmEntityColor kBlue(30, 30, 200);

std::vector<od_gi_primitive> record(control& root) {
  OdGiRecorder recorder;
  recorder.draw(&root);
  return recorder.takePrimitives();
}

TEST(MicuiDraw, AFrameFillsThenOutlinesAndLeavesOutWhatHasNoColour) {
  const struct { OdCmEntityColor fill, outline; bool visible; std::vector<kind> drawn; } rows[] = {
      {kRed, kBlue, true, {kind::polygon, kind::polyline}},
      {kNone, kBlue, true, {kind::polyline}},
      {OdCmEntityColor::fromIndex(OdCmEntityColor::kACInone), kBlue, true, {kind::polyline}},
      {kRed, kNone, true, {kind::polygon}},
      {kRed, kBlue, false, {}},
  };
  for (const auto& r : rows) {
    auto f = create_control<frame>(u"f");
    f->position = {10, 20};
    f->width = 4;
    f->height = 2;
    f->fill_colour = r.fill;
    f->outline_colour = r.outline;
    f->visible = r.visible;
    const std::vector<od_gi_primitive> drawn = record(*f);
    ASSERT_EQ(drawn.size(), r.drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      const bool area = r.drawn[i] == kind::polygon;
      EXPECT_EQ(drawn[i].kind, r.drawn[i]);
      EXPECT_EQ(drawn[i].traits.fillType, area ? kOdGiFillAlways : kOdGiFillNever);
      EXPECT_EQ(drawn[i].traits.trueColor, area ? r.fill : r.outline);
      ASSERT_EQ(drawn[i].points.size(), area ? 4u : 5u);  // the border closes
      EXPECT_TRUE(drawn[i].points[2].isEqualTo({14, 22, 0}));
    }
  }
}

// Draws itself (nothing) under a transparency of its own choosing.
struct tinted : control {
  void draw(OdGiViewportDraw& vd) const override {
    vd.subEntityTraits().setTransparency(OdCmTransparency(std::uint8_t{50}));
  }
};

TEST(MicuiDraw, ATFrameDrawsUnderItsTransparencyAndRestoresTheOneItFound) {
  auto root = create_control<tinted>(u"root");
  auto glass = create_child<tframe>(*root, u"glass");
  glass->width = glass->height = 1;
  glass->fill_colour = kRed;
  glass->transparency.setAlpha(148);
  create_child<frame>(*root, u"after")->width = 1;
  const std::vector<od_gi_primitive> drawn = record(*root);
  ASSERT_EQ(drawn.size(), 3u);
  EXPECT_EQ(drawn[0].traits.transparency.alpha(), 148);
  EXPECT_EQ(drawn[1].traits.transparency.alpha(), 148);
  EXPECT_EQ(drawn[2].traits.transparency.alpha(), 50);
}

TEST(MicuiDraw, ATriangleFillsItsBoxWithTheApexWhereItsOrientationPoints) {
  const struct { std::int32_t orientation; std::vector<OdGePoint2d> corners; } rows[] = {
      {triangle::east, {{0, 0}, {0, 2}, {4, 1}}},  {triangle::north, {{0, 0}, {4, 0}, {2, 2}}},
      {triangle::west, {{4, 0}, {4, 2}, {0, 1}}},  {triangle::south, {{0, 2}, {4, 2}, {2, 0}}},
      {5, {{0, 0}, {4, 0}, {2, 2}}},               {-1, {{0, 2}, {4, 2}, {2, 0}}},
  };
  auto t = create_control<triangle>(u"t");
  t->width = 4;
  t->height = 2;
  for (const auto& r : rows) {
    t->orientation = r.orientation;
    const std::vector<OdGePoint2d> got = t->vertices();
    ASSERT_EQ(got.size(), 3u);
    for (const OdGePoint2d& want : r.corners)
      EXPECT_TRUE(std::any_of(got.begin(), got.end(), [&](const OdGePoint2d& p) { return p.isEqualTo(want); }))
          << "orientation " << r.orientation << " lacks " << want.x << "," << want.y;
  }
}

template <class T>
OdSmartPtr<T> shape(control& parent, const char16_t* name, OdGePoint2d at, double w, double h,
                    OdCmEntityColor outline, OdCmEntityColor fill) {
  auto made = create_child<T>(parent, name);
  made->position = at;
  made->width = w;
  made->height = h;
  if constexpr (std::is_base_of_v<rhomb, T>) {
    made->set_colours(outline, fill);
  } else {
    made->outline_colour = outline;
    made->fill_colour = fill;
  }
  return made;
}

// The picture in docs/micui-controls.png is this file, rendered.
TEST(MicuiDraw, ATreeDrawsWithinItsExtentsAndAsSvg) {
  const OdCmEntityColor grey(96, 96, 96);
  auto panel = create_control<frame>(u"panel");
  panel->width = 60;
  panel->height = 40;
  panel->outline_colour = grey;
  panel->fill_colour = OdCmEntityColor(149, 164, 191);
  shape<mixin<triangle>>(*panel, u"triangle", {5, 25}, 10, 10, {10, 10, 10}, {248, 248, 248})->orientation =
      triangle::north;
  shape<mixin<rhomb>>(*panel, u"rhomb", {20, 25}, 20, 10, {64, 64, 64}, {128, 128, 128});
  shape<mixin<circle>>(*panel, u"circle", {5, 5}, 12, 12, {84, 84, 84}, {111, 123, 143});
  shape<mixin<sizer>>(*panel, u"sizer", {55, 35}, 10, 10, grey, kNone)->rotation = std::numbers::pi / 6;

  const std::vector<od_gi_primitive> drawn = record(*panel);
  EXPECT_EQ(drawn.size(), 11u);
  const OdGeExtents3d box = od_gi_primitives_extents(drawn);
  const OdGeExtents2d want = panel->extents_in_parent();
  EXPECT_TRUE(OdGePoint2d(box.minPoint().x, box.minPoint().y).isEqualTo(want.minPoint()));
  EXPECT_TRUE(OdGePoint2d(box.maxPoint().x, box.maxPoint().y).isEqualTo(want.maxPoint()));
  // The turned sizer sticks out.
  EXPECT_NEAR(want.maxPoint().x, 55 + 10 * std::cos(std::numbers::pi / 6), 1e-9);
  std::ofstream(std::filesystem::temp_directory_path() / "micui-controls.svg") << od_gi_svg_document(drawn, {.margin = 0.05, .width_px = 480});
}

}  // namespace
