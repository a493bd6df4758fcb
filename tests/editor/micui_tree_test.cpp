#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "editor/micui_control.h"
#include "editor/micui_layout.h"
#include "platform/sdk/OdGiRecorder.h"

namespace {

using namespace micui;

// Counts its layouts and keeps the last point it was asked about.
struct probe : control {
  int layouts = 0;
  mutable OdGePoint2d asked;
  void layout() override { ++layouts; }
  bool contains(const OdGePoint2d& p) const override {
    asked = p;
    return control::contains(p);
  }
};

void place(control& c, double x, double y, double w, double h, double angle = 0.0) {
  c.position = {x, y};
  c.width = w;
  c.height = h;
  c.rotation = angle;
}

std::string names(const path& hit) {
  std::string joined;
  for (const control* c : hit) joined += (joined.empty() ? "" : "/") + c->name.toUtf8();
  return joined;
}

TEST(MicuiTree, ContainsTheBoxWhateverTheSignsOfItsSize) {
  const struct { double w, h; OdGePoint2d p; bool inside; } rows[] = {
      {-4, 2, {-2, 1}, true},  {-4, 2, {1, 1}, false}, {-4, 2, {-4, 0}, true},
      {-4, 2, {-4.01, 1}, false}, {4, -2, {2, -1}, true}, {4, -2, {2, 1}, false},
  };
  auto c = create_control<control>(u"c");
  for (const auto& r : rows) {
    place(*c, 0, 0, r.w, r.h);
    EXPECT_EQ(c->contains(r.p), r.inside) << r.w << "x" << r.h << " at " << r.p.x << "," << r.p.y;
  }
}

TEST(MicuiTree, HitPathRunsFromTheTopmostVisibleChildOutwards) {
  auto root = create_control<control>(u"root");
  place(*root, 100, 0, 10, 10);
  place(*create_child<control>(*root, u"low"), 0, 0, 6, 6);
  auto high = create_child<control>(*root, u"high");
  place(*high, 4, 4, 6, 6);
  const struct { OdGePoint2d p; bool high_visible; const char* hit; } rows[] = {
      {{105, 5}, true, "high/root"}, {{101, 1}, true, "low/root"}, {{109.5, 0.5}, true, "root"},
      {{5, 5}, true, ""},            {{105, 5}, false, "low/root"},
  };
  for (const auto& r : rows) {
    high->visible = r.high_visible;
    EXPECT_EQ(names(hit_path(*root, r.p)), r.hit) << r.p.x << "," << r.p.y;
  }
}

TEST(MicuiTree, ARotatedChildIsAskedInItsOwnSystem) {
  auto root = create_control<control>(u"root");
  place(*root, 0, 0, 20, 20);
  auto turned = create_child<probe>(*root, u"turned");
  place(*turned, 10, 0, 4, 2, std::numbers::pi / 2);
  EXPECT_EQ(names(hit_path(*root, {9, 3})), "turned/root");
  EXPECT_NEAR(turned->asked.x, 3.0, 1e-12);
  EXPECT_NEAR(turned->asked.y, 1.0, 1e-12);
  EXPECT_EQ(names(hit_path(*root, {11, 3})), "root");
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

TEST(MicuiTree, LayoutOfAMissingChildThrows) {
  auto root = create_control<control>(u"root");
  create_child<control>(*create_child<control>(*root, u"a"), u"deep");
  try {
    layout_of(*root, u"deep");
    FAIL() << "no exception";
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "micui::control::layout: child not found");
  }
}

TEST(MicuiTree, LayoutAssignsOnlyRealChangesAndThenLaysTheChildOut) {
  auto root = create_control<control>(u"root");
  auto child = create_child<probe>(*root, u"p");
  const struct { OdGePoint2d at; double w; bool changes; } rows[] = {
      {{1, 2}, 3, true}, {{1, 2}, 3, false}, {{1 + 1e-14, 2}, 3, false}, {{1, 2}, 3 + 1e-12, true},
  };
  int layouts = 0;
  for (const auto& r : rows) {
    EXPECT_EQ(layout_of(*root, u"p").place(r.at, r.w, 4), r.changes) << r.at.x << " " << r.w;
    EXPECT_EQ(child->layouts, layouts += r.changes);
  }
  EXPECT_EQ(child->width, 3 + 1e-12);
}

TEST(MicuiTree, ExtentsHoldARotatedChildAsTheParentSeesIt) {
  auto root = create_control<control>(u"root");
  place(*root, 0, 0, 1, 1);
  auto turned = create_child<control>(*root, u"turned");
  place(*turned, 10, 0, 4, 2, std::numbers::pi / 2);
  EXPECT_TRUE(turned->extents_in_parent().isEqualTo({{8, 0}, {10, 4}}));
  EXPECT_TRUE(root->extents().isEqualTo({{0, 0}, {10, 4}}));
}

// Pixel sizes 1/first and 1/second: 5e-14 apart relatively is about 450
// units in the last place, 1e-12 about 9000.
TEST(MicuiTree, APixelSizeChangeLaysOutOnceAndAnUnchangedOneNot) {
  const struct { double first, second; int layouts; } rows[] = {
      {2, 2, 1}, {2, 4, 2}, {2, 2 * (1 + 5e-14), 1}, {2, 2 * (1 + 1e-12), 2},
  };
  for (const auto& r : rows) {
    auto root = create_control<probe>(u"root");
    OdGiRecorder recorder;
    for (double pixels_per_unit : {r.first, r.second}) {
      recorder.setView({{}, OdGeVector3d::kZAxis, OdGeVector3d::kYAxis, pixels_per_unit});
      recorder.draw(root.get());
    }
    EXPECT_EQ(root->layouts, r.layouts) << r.second;
    EXPECT_EQ(root->pixel_size(), 1 / (r.layouts == 2 ? r.second : r.first));
  }
}

}  // namespace
