#include "app/gui/drawing_painter.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiTextOutline.h"

namespace gui {
namespace {

QPointF plan(const OdGePoint3d& p) { return {p.x, p.y}; }

QColor display_colour(const OdGiSubEntityTraitsData& traits, QColor foreground) {
  const OdCmEntityColor& colour = traits.trueColor;
  QColor shown = foreground;
  if (colour.isByColor() || (colour.isByACI() && colour.colorIndex() != OdCmEntityColor::kACIforeground))
    shown = QColor::fromRgb(colour.red(), colour.green(), colour.blue());
  if (traits.transparency.isByAlpha() && !traits.transparency.isSolid()) shown.setAlpha(traits.transparency.alpha());
  return shown;
}

bool is_dashed(const OdString& lineType) {
  return !lineType.isEmpty() && lineType.iCompare(u"Continuous") != 0 && lineType.iCompare(u"ByLayer") != 0 &&
         lineType.iCompare(u"ByBlock") != 0;
}

// Line weights are hundredths of a millimetre, at 96 pixels per inch.
double pen_pixels(int lineWeight) { return lineWeight > 0 ? std::max(1.0, lineWeight * 96.0 / 2540.0) : 1.0; }

QPainterPath polyline_path(const std::vector<OdGePoint3d>& points, bool closed) {
  QPainterPath path;
  if (points.empty()) return path;
  path.moveTo(plan(points.front()));
  for (std::size_t i = 1; i < points.size(); ++i) path.lineTo(plan(points[i]));
  if (closed) path.closeSubpath();
  return path;
}

// A circle tilted against the plan view is an ellipse: drawn as a polygon in its plane.
QPainterPath circle_path(const od_gi_primitive& circle) {
  QPainterPath path;
  if (circle.normal.isParallelTo(OdGeVector3d::kZAxis)) {
    path.addEllipse(plan(circle.center), circle.radius, circle.radius);
    return path;
  }
  return polyline_path(od_gi_flattened_circle(circle), true);
}

// Step: a text run's glyphs as two paths, filled outlines and stroked strokes.
void add_text_shapes(std::vector<painted_shape>& shapes, const od_gi_text_run& run, const painted_shape& paint) {
  QPainterPath filled, stroked;
  filled.setFillRule(Qt::WindingFill);
  for (const OdGiGlyphContour& glyph : odTextOutlines(run.style, run.text)) {
    if (glyph.points.empty()) continue;
    QPainterPath& path = glyph.closed ? filled : stroked;
    path.moveTo(plan(run.to_world(glyph.points.front())));
    for (std::size_t i = 1; i < glyph.points.size(); ++i) path.lineTo(plan(run.to_world(glyph.points[i])));
    if (glyph.closed) path.closeSubpath();
  }
  if (!filled.isEmpty()) {
    painted_shape& shape = shapes.emplace_back(paint);
    shape.path = filled;
    shape.filled = true;
    shape.text = true;
  }
  if (!stroked.isEmpty()) {
    painted_shape& shape = shapes.emplace_back(paint);
    shape.path = stroked;
    shape.filled = false;
    shape.text = true;
  }
}

}  // namespace

std::vector<painted_shape> shapes_of(const std::vector<od_gi_primitive>& primitives, QColor foreground) {
  std::vector<painted_shape> shapes;
  shapes.reserve(primitives.size());
  for (const od_gi_primitive& primitive : primitives) {
    if (primitive.traits.trueColor.isNone()) continue;
    painted_shape paint;
    paint.colour = display_colour(primitive.traits, foreground);
    paint.dashed = is_dashed(primitive.traits.lineType);
    paint.pen_pixels = pen_pixels(primitive.traits.lineWeight);
    const bool fill = primitive.traits.fillType == kOdGiFillAlways;
    switch (primitive.kind) {
      case od_gi_primitive_kind::polyline:
        paint.path = polyline_path(primitive.points, false);
        shapes.push_back(paint);
        break;
      case od_gi_primitive_kind::polygon:
        paint.path = polyline_path(primitive.points, true);
        paint.filled = fill;
        shapes.push_back(paint);
        break;
      case od_gi_primitive_kind::circle:
        paint.path = circle_path(primitive);
        paint.filled = fill;
        shapes.push_back(paint);
        break;
      case od_gi_primitive_kind::text_run:
        if (primitive.text) add_text_shapes(shapes, *primitive.text, paint);
        break;
    }
  }
  return shapes;
}

QRectF bounds_of(const std::vector<painted_shape>& shapes) {
  QRectF box;
  for (const painted_shape& shape : shapes) {
    const QRectF r = shape.path.controlPointRect();
    box = box.isNull() ? r : box.united(r);
  }
  return box;
}

void paint_shapes(QPainter& painter, const std::vector<painted_shape>& shapes) {
  for (const painted_shape& shape : shapes) {
    if (shape.filled) {
      painter.setPen(Qt::NoPen);
      painter.setBrush(shape.colour);
    } else {
      QPen pen(shape.colour, shape.pen_pixels, shape.dashed ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
               Qt::RoundJoin);
      pen.setCosmetic(true);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
    }
    painter.drawPath(shape.path);
  }
}

}  // namespace gui
