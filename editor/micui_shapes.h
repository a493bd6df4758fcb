// Shapes drawn inside a control's box: micui::polygon, micui::triangle,
// micui::circle and the diamond micui::rhomb made of two triangles.
//
// All are local-system shapes: their points are given in the box from
// (0, 0) to (width, height) and follow it when the size is negative.
#pragma once

#include <cstdint>
#include <vector>

#include "editor/micui_frame.h"

namespace micui {

// A frame whose area and border run through its vertices.
class polygon : public frame {
  ODRX_DECLARE_MEMBERS(polygon);

public:
  // The corners in drawing order, in local coordinates; the box's unless a
  // shape says otherwise.
  virtual std::vector<OdGePoint2d> vertices() const;
  void fill(OdGiViewportDraw& vd) const override;
  void outline(OdGiViewportDraw& vd) const override;
};

// A triangle filling its box: its base is one side of the box and its apex
// the middle of the opposite side.
class triangle : public polygon {
  ODRX_DECLARE_MEMBERS(triangle);

public:
  // Where the apex points along the local axes; any other value turns the
  // same way as its remainder modulo 4.
  enum : std::int32_t { east = 0, north = 1, west = 2, south = 3 };
  std::int32_t orientation = east;

  std::vector<OdGePoint2d> vertices() const override;
};

// A circle centred in its box with radius half the box's smaller side.
class circle : public frame {
  ODRX_DECLARE_MEMBERS(circle);

public:
  void fill(OdGiViewportDraw& vd) const override;
  void outline(OdGiViewportDraw& vd) const override;
};

// A diamond in its box: the triangle "first" fills the upper half pointing
// up and "second" the lower half pointing down.
class rhomb : public control {
  ODRX_DECLARE_MEMBERS(rhomb);

public:
  void init() override;
  void layout() override;
  // Colours both triangles.
  void set_colours(const OdCmEntityColor& outline, const OdCmEntityColor& fill);
};

}  // namespace micui
