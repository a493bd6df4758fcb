// The control tree: its lookups and its drawing. Hit testing, layout and
// the pixel size are tested through the gadgets a user drags (ruler_test.cpp).
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <type_traits>

#include "editor/micui_resizer.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace {

using namespace micui;

const OdCmEntityColor kNone(OdCmEntityColor::kNone);

std::vector<od_gi_primitive> record(control& root) {
  OdGiRecorder recorder;
  recorder.draw(&root);
  return recorder.takePrimitives();
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

TEST(MicuiTree, FindGoesDepthFirstButPrefersADirectChild) {
  auto root = create_control<control>(u"root");
  auto a = create_child<control>(*root, u"a");
  auto x1 = create_child<control>(*create_child<control>(*a, u"b"), u"x");
  auto y_deep = create_child<control>(*a, u"y");
  auto y1 = create_child<control>(*root, u"y");
  auto x2 = create_child<control>(*y1, u"x");
  const struct { control* from; const char16_t* name; control* found; control* direct; } rows[] = {
      {root.get(), u"x", x1.get(), nullptr}, {root.get(), u"y", y1.get(), y1.get()},
      {a.get(), u"y", y_deep.get(), y_deep.get()}, {y1.get(), u"x", x2.get(), x2.get()},
      {root.get(), u"none", nullptr, nullptr},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.from->find(r.name), r.found) << OdString(r.name).toUtf8();
    EXPECT_EQ(r.from->child(r.name), r.direct) << OdString(r.name).toUtf8();
  }
}

}  // namespace
