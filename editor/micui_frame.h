// Rectangular controls: micui::frame (a filled and outlined box), micui::sizer
// (a frame that is a sizing handle) and micui::tframe (a frame drawn with its
// own transparency), with the drawing steps all filled shapes share.
//
// A shape draws in two steps, in its local system: its fill with the fill
// colour and the fill type "always", then its outline with the outline colour
// and the fill type "never". A colour of method None (the index 257 is kept
// as None) leaves its step out, so a frame without fill is a bare outline.
#pragma once

#include <vector>

#include "editor/micui_control.h"
#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdCmTransparency.h"

namespace micui {

// Whether a colour draws anything.
bool draws(const OdCmEntityColor& colour);

// The box's corners from the origin, counter-clockwise for a positive size.
std::vector<OdGePoint2d> box_corners(double width, double height);
// An area through the points, as one polygon primitive.
void draw_area(OdGiViewportDraw& vd, const std::vector<OdGePoint2d>& points);
// A border through the points and back to the first, as one polyline.
void draw_border(OdGiViewportDraw& vd, const std::vector<OdGePoint2d>& points);

class frame : public control {
  ODRX_DECLARE_MEMBERS(frame);

public:
  OdCmEntityColor outline_colour;  // by layer: the foreground
  OdCmEntityColor fill_colour{OdCmEntityColor::kNone};

  void draw(OdGiViewportDraw& vd) const override;
  // The filled shape; the box unless a shape says otherwise.
  virtual void fill(OdGiViewportDraw& vd) const;
  // The shape's border; the box's unless a shape says otherwise.
  virtual void outline(OdGiViewportDraw& vd) const;
};

class sizer : public frame {
  ODRX_DECLARE_MEMBERS(sizer);
};

// Draws like a frame, under its own transparency; the transparency in force
// before it is in force again after it, so it does not leak to later controls.
class tframe : public control {
  ODRX_DECLARE_MEMBERS(tframe);

public:
  OdCmEntityColor outline_colour;
  OdCmEntityColor fill_colour{OdCmEntityColor::kNone};
  OdCmTransparency transparency;

  void draw(OdGiViewportDraw& vd) const override;
  virtual void fill(OdGiViewportDraw& vd) const;
  virtual void outline(OdGiViewportDraw& vd) const;
};

}  // namespace micui
