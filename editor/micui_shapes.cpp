#include "editor/micui_shapes.h"

#include <algorithm>
#include <cmath>

#include "editor/micui_layout.h"

namespace micui {

ODRX_CONS_DEFINE_MEMBERS_ALTNAME(polygon, frame, u"micui::polygon")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(triangle, polygon, u"micui::triangle")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(circle, frame, u"micui::circle")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(rhomb, control, u"micui::rhomb")

std::vector<OdGePoint2d> polygon::vertices() const { return box_corners(width, height); }
void polygon::fill(OdGiViewportDraw& vd) const { draw_area(vd, vertices()); }
void polygon::outline(OdGiViewportDraw& vd) const { draw_border(vd, vertices()); }

std::vector<OdGePoint2d> triangle::vertices() const {
  const double w = width;
  const double h = height;
  switch (((orientation % 4) + 4) % 4) {
    case east: return {{0.0, 0.0}, {w, h / 2.0}, {0.0, h}};
    case north: return {{0.0, 0.0}, {w, 0.0}, {w / 2.0, h}};
    case west: return {{w, 0.0}, {w, h}, {0.0, h / 2.0}};
    default: return {{0.0, h}, {w / 2.0, 0.0}, {w, h}};  // south
  }
}

namespace {
void draw_circle(OdGiViewportDraw& vd, double width, double height) {
  const double radius = std::min(std::abs(width), std::abs(height)) / 2.0;
  vd.geometry().circle({width / 2.0, height / 2.0, 0.0}, radius, OdGeVector3d::kZAxis);
}
}  // namespace

void circle::fill(OdGiViewportDraw& vd) const { draw_circle(vd, width, height); }
void circle::outline(OdGiViewportDraw& vd) const { draw_circle(vd, width, height); }

void rhomb::init() {
  create_child<triangle>(*this, u"first")->orientation = triangle::north;
  create_child<triangle>(*this, u"second")->orientation = triangle::south;
}

void rhomb::layout() {
  layout_of(*this, u"first").place({0.0, height / 2.0}, width, height / 2.0);
  layout_of(*this, u"second").place(OdGePoint2d::kOrigin, width, height / 2.0);
}

void rhomb::set_colours(const OdCmEntityColor& outline, const OdCmEntityColor& fill) {
  for (const char16_t* half : {u"first", u"second"}) {
    OdSmartPtr<frame> shape(child(half));
    shape->outline_colour = outline;
    shape->fill_colour = fill;
  }
}

}  // namespace micui
