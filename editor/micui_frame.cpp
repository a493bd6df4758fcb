#include "editor/micui_frame.h"

namespace micui {

ODRX_CONS_DEFINE_MEMBERS_ALTNAME(frame, control, u"micui::frame")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(sizer, frame, u"micui::sizer")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(tframe, control, u"micui::tframe")

bool draws(const OdCmEntityColor& colour) { return !colour.isNone(); }

std::vector<OdGePoint2d> box_corners(double width, double height) {
  return {{0.0, 0.0}, {width, 0.0}, {width, height}, {0.0, height}};
}

namespace {
std::vector<OdGePoint3d> in_plane(const std::vector<OdGePoint2d>& points) {
  std::vector<OdGePoint3d> placed;
  placed.reserve(points.size() + 1);
  for (const OdGePoint2d& p : points) placed.emplace_back(p.x, p.y, 0.0);
  return placed;
}

// The two steps of every filled and outlined shape.
template <class Shape>
void paint(const Shape& shape, OdGiViewportDraw& vd) {
  OdGiSubEntityTraits& traits = vd.subEntityTraits();
  traits.setFillType(kOdGiFillAlways);
  traits.setTrueColor(shape.fill_colour);
  if (draws(shape.fill_colour)) shape.fill(vd);
  traits.setFillType(kOdGiFillNever);
  traits.setTrueColor(shape.outline_colour);
  if (draws(shape.outline_colour)) shape.outline(vd);
}
}  // namespace

void draw_area(OdGiViewportDraw& vd, const std::vector<OdGePoint2d>& points) {
  const std::vector<OdGePoint3d> area = in_plane(points);
  vd.geometry().polygon(static_cast<std::int32_t>(area.size()), area.data());
}

void draw_border(OdGiViewportDraw& vd, const std::vector<OdGePoint2d>& points) {
  std::vector<OdGePoint3d> border = in_plane(points);
  if (border.empty()) return;
  border.push_back(border.front());
  vd.geometry().polyline(static_cast<std::int32_t>(border.size()), border.data());
}

void frame::draw(OdGiViewportDraw& vd) const { paint(*this, vd); }
void frame::fill(OdGiViewportDraw& vd) const { draw_area(vd, box_corners(width, height)); }
void frame::outline(OdGiViewportDraw& vd) const { draw_border(vd, box_corners(width, height)); }

void tframe::draw(OdGiViewportDraw& vd) const {
  OdGiSubEntityTraits& traits = vd.subEntityTraits();
  const OdCmTransparency found = traits.transparency();
  traits.setTransparency(transparency);
  paint(*this, vd);
  traits.setTransparency(found);
}

void tframe::fill(OdGiViewportDraw& vd) const { draw_area(vd, box_corners(width, height)); }
void tframe::outline(OdGiViewportDraw& vd) const { draw_border(vd, box_corners(width, height)); }

}  // namespace micui
