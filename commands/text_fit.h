// The geometry of "TextFit": a Text stretched or shrunk between its start
// point and an end point by its width factor and rotation, keeping its
// justification.
//
// The start point and the offsets are in the Text's plane (the object
// coordinate system of its normal, in which its rotation is measured).
#pragma once

#include <optional>

#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGePoint2d.h"

namespace text_fit {

// A copy of a Text's properties in a new object outside any database (the
// preview); its style and layer ids still name the drawing's records.
OdDbTextPtr copy_text(const OdDbText& text);

// What the preview measures from: the plane, the start point in it and the
// baseline length of the Text at width factor 1.
struct frame {
  OdGeMatrix3d world_to_plane;
  OdGePoint2d start;
  double unit_length = 0.0;
};

// The baseline of a left/baseline Text: from its position to its
// bottom-right bounding point, divided by its width factor.
double unit_length(const OdDbText& text);
// The frame of a left/baseline Text (the preview clone).
frame frame_of(const OdDbText& text);

struct fit {
  double rotation = 0.0;
  double width_factor = 1.0;
};
// The rotation and width factor that put the baseline's end at `end`;
// nothing when `end` is the start point (a zero width) or the Text has no length.
std::optional<fit> fit_to(const frame& f, const OdGePoint3d& end);

// Copies the preview's position, rotation and width factor to the Text,
// keeping its justification: made left/baseline, changed, modes restored.
void apply(OdDbText& text, const OdDbText& preview);

}  // namespace text_fit
