// od_gi_primitive: one drawn primitive as a plain record, in world coordinates,
// with the traits that were in force when it was drawn.
//
// Recorders produce these and back ends (SVG, QPainter) consume them; nothing
// here knows about views or pixels.
#pragma once

#include <memory>
#include <vector>

#include "platform/sdk/OdGePoint2d.h"
#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdGeVector3d.h"
#include "platform/sdk/OdGiSubEntityTraits.h"
#include "platform/sdk/OdGiTextStyle.h"
#include "platform/sdk/OdString.h"

enum class od_gi_primitive_kind { polyline, polygon, circle, text_run };

// A text run placed in the world. Text space (where glyph outlines are
// given) has the baseline along +x from the origin and +y up; x_axis and
// y_axis are the world images of its unit vectors, so a model transform
// that scales or mirrors the text is kept.
struct od_gi_text_run {
  OdGiTextStyle style;
  OdString text;
  bool raw = false;
  OdGePoint3d position;  // start of the baseline
  OdGeVector3d x_axis = OdGeVector3d::kXAxis;
  OdGeVector3d y_axis = OdGeVector3d::kYAxis;

  OdGePoint3d to_world(const OdGePoint2d& text_point) const {
    return position + x_axis * text_point.x + y_axis * text_point.y;
  }
};

struct od_gi_primitive {
  od_gi_primitive_kind kind = od_gi_primitive_kind::polyline;
  OdGiSubEntityTraitsData traits;
  std::vector<OdGePoint3d> points;  // polyline and polygon vertices
  OdGePoint3d center;               // circle
  double radius = 0.0;              // circle
  // The plane of a circle or text run; of a polyline when one was given.
  OdGeVector3d normal = OdGeVector3d::kZAxis;
  // Shared so that copying records never copies styles.
  std::shared_ptr<const od_gi_text_run> text;
};
