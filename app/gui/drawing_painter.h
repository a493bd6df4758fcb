// drawing_painter: the QPainter back end of the graphics layer. Recorded
// primitives become painter paths in world coordinates (drawing units, y up)
// once; painting them is then one transform and one path each.
//
// Text runs are painted from the same glyph outlines as the SVG writer
// (odTextOutlines), so the screen shows what the layout measured. Colours,
// transparency, fills and dashes follow the SVG writer's rules; strokes are
// cosmetic, sized in screen pixels whatever the zoom.
#pragma once

#include <vector>

#include <QColor>
#include <QPainterPath>
#include <QRectF>

#include "platform/sdk/OdGiPrimitive.h"

class QPainter;

namespace gui {

// One path ready to paint, in world coordinates.
struct painted_shape {
  QPainterPath path;
  QColor colour;
  bool filled = false;
  bool dashed = false;
  bool text = false;   // drawn from a text run's glyphs
  double pen_pixels = 1.0;
};

// The shapes of `primitives`, in drawing order; by-layer, by-block and ACI 7
// take `foreground`, colour method None draws nothing.
std::vector<painted_shape> shapes_of(const std::vector<od_gi_primitive>& primitives, QColor foreground);

// The world box around the shapes (null when there are none).
QRectF bounds_of(const std::vector<painted_shape>& shapes);

// Paints the shapes; the painter's transform maps world to screen.
void paint_shapes(QPainter& painter, const std::vector<painted_shape>& shapes);

}  // namespace gui
