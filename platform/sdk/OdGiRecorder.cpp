#include "platform/sdk/OdGiRecorder.h"

#include <cmath>
#include <utility>

#include "platform/sdk/OdError.h"
#include "platform/sdk/OdGeTol.h"

OdGiRecorder::OdGiRecorder(OdGiDefaultContext* context) : m_context(context) {}

void OdGiRecorder::setView(const od_gi_view& view) {
  if (view.direction.isZeroLength() || view.up.isZeroLength() || view.direction.isParallelTo(view.up))
    throw OdError(eInvalidInput, "OdGiRecorder::setView: the view direction and up vector must span a plane");
  if (!(view.pixels_per_unit > 0.0))
    throw OdError(eInvalidInput, "OdGiRecorder::setView: pixels per unit must be positive");
  m_view = view;
}

std::vector<od_gi_primitive> OdGiRecorder::takePrimitives() { return std::exchange(m_primitives, {}); }

od_gi_primitive& OdGiRecorder::record(od_gi_primitive_kind kind) {
  od_gi_primitive& primitive = m_primitives.emplace_back();
  primitive.kind = kind;
  primitive.traits = m_traits;
  return primitive;
}

std::vector<OdGePoint3d> OdGiRecorder::to_world(std::int32_t count, const OdGePoint3d* points,
                                                const char* caller) const {
  if (count < 0 || (count > 0 && points == nullptr))
    throw OdError(eInvalidInput, std::string("OdGiRecorder::") + caller + ": negative count or no vertices");
  const OdGeMatrix3d& toWorld = m_transforms.back();
  std::vector<OdGePoint3d> world;
  world.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) world.push_back(toWorld * points[i]);
  return world;
}

void OdGiRecorder::polyline(std::int32_t numVertices, const OdGePoint3d* vertexList, const OdGeVector3d* normal) {
  std::vector<OdGePoint3d> world = to_world(numVertices, vertexList, "polyline");
  if (world.empty()) return;
  od_gi_primitive& primitive = record(od_gi_primitive_kind::polyline);
  primitive.points = std::move(world);
  if (normal && !normal->isZeroLength()) primitive.normal = (m_transforms.back() * *normal).normal();
}

void OdGiRecorder::polygon(std::int32_t numVertices, const OdGePoint3d* vertexList) {
  std::vector<OdGePoint3d> world = to_world(numVertices, vertexList, "polygon");
  if (world.empty()) return;
  record(od_gi_primitive_kind::polygon).points = std::move(world);
}

// A model transform may scale: the world radius is the length of a
// transformed radius vector lying in the circle's plane.
void OdGiRecorder::circle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) {
  if (normal.isZeroLength() || !(radius >= 0.0))
    throw OdError(eInvalidInput, "OdGiRecorder::circle: zero normal or negative radius");
  const OdGeMatrix3d& toWorld = m_transforms.back();
  od_gi_primitive& primitive = record(od_gi_primitive_kind::circle);
  primitive.center = toWorld * center;
  primitive.radius = (toWorld * (normal.perpVector() * radius)).length();
  primitive.normal = (toWorld * normal).normal();
}

void OdGiRecorder::pushModelTransform(const OdGeMatrix3d& modelToParent) {
  m_transforms.push_back(m_transforms.back() * modelToParent);
}

void OdGiRecorder::popModelTransform() {
  if (m_transforms.size() == 1)
    throw OdError(eInvalidInput, "OdGiRecorder::popModelTransform: no model transform was pushed");
  m_transforms.pop_back();
}

namespace {
// Restores the recorder's traits and transform depth when a nested draw ends,
// also when the drawable throws.
class nested_draw_scope {
public:
  nested_draw_scope(OdGiSubEntityTraitsData& traits, std::vector<OdGeMatrix3d>& transforms)
      : m_traits(traits), m_saved(traits), m_transforms(transforms), m_depth(transforms.size()) {}
  ~nested_draw_scope() {
    m_traits = m_saved;
    m_transforms.resize(m_depth);
  }
  nested_draw_scope(const nested_draw_scope&) = delete;
  nested_draw_scope& operator=(const nested_draw_scope&) = delete;

private:
  OdGiSubEntityTraitsData& m_traits;
  OdGiSubEntityTraitsData m_saved;
  std::vector<OdGeMatrix3d>& m_transforms;
  std::size_t m_depth;
};
}  // namespace

void OdGiRecorder::draw(const OdGiDrawable* drawable) {
  if (!drawable) return;
  nested_draw_scope scope(m_traits, m_transforms);
  const std::uint32_t flags = drawable->setAttributes(this);
  if (flags & OdGiDrawable::kDrawableIsInvisible) return;
  if (!drawable->worldDraw(this)) drawable->viewportDraw(this);
}

void OdGiRecorder::setColor(std::uint16_t colorIndex) {
  m_traits.trueColor.setColorIndex(colorIndex);
}

// Eye space: origin at the target, z along the view direction, y up.
OdGeMatrix3d OdGiRecorder::getWorldToEyeTransform() const {
  const OdGeVector3d z = m_view.direction.normal();
  const OdGeVector3d x = m_view.up.crossProduct(z).normal();
  const OdGeVector3d y = z.crossProduct(x);
  return OdGeMatrix3d().setCoordSystem(m_view.target, x, y, z).inverse();
}

void OdGiRecorder::getNumPixelsInUnitSquare(const OdGePoint3d&, OdGePoint2d& pixelArea, bool) const {
  pixelArea = {m_view.pixels_per_unit, m_view.pixels_per_unit};
}

// Text

void OdGiRecorder::text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
                        const OdChar* msg, std::int32_t length, bool raw, const OdGiTextStyle* style) {
  if (msg == nullptr && length != 0) throw OdError(eInvalidInput, "OdGiRecorder::text: no characters");
  const OdString text = length < 0 ? OdString(msg) : OdString(msg, length);
  record_text(position, normal, direction, style ? *style : OdGiTextStyle(), text, raw);
}

void OdGiRecorder::text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
                        double height, double width, double oblique, const OdString& msg) {
  OdGiTextStyle style;
  style.setTextSize(height);
  style.setXScale(width);
  style.setObliquingAngle(oblique);
  record_text(position, normal, direction, std::move(style), msg, false);
}

// The text's own y axis is normal x direction; both axes go to the world
// through the current model transform.
void OdGiRecorder::record_text(const OdGePoint3d& position, const OdGeVector3d& normal,
                               const OdGeVector3d& direction, OdGiTextStyle style, OdString text, bool raw) {
  if (normal.isZeroLength() || direction.isZeroLength() || normal.isParallelTo(direction))
    throw OdError(eInvalidInput, "OdGiRecorder::text: the direction must be a non-zero vector in the text plane");
  const OdGeVector3d n = normal.normal();
  const OdGeVector3d x = (direction - n * direction.dotProduct(n)).normal();
  const OdGeMatrix3d& toWorld = m_transforms.back();
  auto run = std::make_shared<od_gi_text_run>();
  run->style = std::move(style);
  run->text = std::move(text);
  run->raw = raw;
  run->position = toWorld * position;
  run->x_axis = toWorld * x;
  run->y_axis = toWorld * n.crossProduct(x);
  od_gi_primitive& primitive = record(od_gi_primitive_kind::text_run);
  primitive.normal = (toWorld * n).normal();
  primitive.text = std::move(run);
}

// Extents

namespace {
// The exact box of a circle: along each axis it reaches r * sqrt(1 - n_i^2).
void add_circle(OdGeExtents3d& box, const od_gi_primitive& circle) {
  const OdGeVector3d n = circle.normal.normal();
  const OdGeVector3d reach(circle.radius * std::sqrt(std::max(0.0, 1.0 - n.x * n.x)),
                           circle.radius * std::sqrt(std::max(0.0, 1.0 - n.y * n.y)),
                           circle.radius * std::sqrt(std::max(0.0, 1.0 - n.z * n.z)));
  box.addPoint(circle.center - reach).addPoint(circle.center + reach);
}
}  // namespace

OdGeExtents3d od_gi_primitives_extents(const std::vector<od_gi_primitive>& primitives) {
  OdGeExtents3d box;
  for (const od_gi_primitive& primitive : primitives) {
    switch (primitive.kind) {
      case od_gi_primitive_kind::polyline:
      case od_gi_primitive_kind::polygon:
        for (const OdGePoint3d& p : primitive.points) box.addPoint(p);
        break;
      case od_gi_primitive_kind::circle: add_circle(box, primitive); break;
      case od_gi_primitive_kind::text_run:
        if (primitive.text) box.addPoint(primitive.text->position);
        break;
    }
  }
  return box;
}

std::vector<OdGePoint3d> od_gi_flattened_circle(const od_gi_primitive& circle) {
  constexpr int segments = 72;
  const OdGeVector3d x = circle.normal.perpVector() * circle.radius;
  const OdGeVector3d y = circle.normal.normal().crossProduct(x);
  std::vector<OdGePoint3d> points;
  for (int i = 0; i < segments; ++i) {
    const double a = Oda2PI * i / segments;
    points.push_back(circle.center + x * std::cos(a) + y * std::sin(a));
  }
  return points;
}
