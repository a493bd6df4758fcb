// OdGiGeometry: the primitives a drawable draws with, in model coordinates.
//
// Model coordinates become world coordinates through the model-transform
// stack: pushModelTransform composes a matrix onto the current one (the new
// matrix applies first), popModelTransform undoes the last push.
#pragma once

#include <cstdint>

#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdGeVector3d.h"
#include "platform/sdk/OdString.h"

class OdGiDrawable;
class OdGiTextStyle;

class OdGiGeometry {
public:
  virtual ~OdGiGeometry() = default;

  // An open chain of `numVertices` points; `normal` (optional) is the plane
  // the chain lies in.
  virtual void polyline(std::int32_t numVertices, const OdGePoint3d* vertexList,
                        const OdGeVector3d* normal = nullptr) = 0;
  // A closed area, filled or outlined by the fill type in force.
  virtual void polygon(std::int32_t numVertices, const OdGePoint3d* vertexList) = 0;
  virtual void circle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) = 0;

  // A run of text: `position` is the start of the baseline, `direction` the
  // baseline direction and `normal` the text plane's normal. `raw` text is
  // drawn as given, without control-code translation; a negative `length`
  // takes `msg` up to its terminating zero. The style gives font, size,
  // width factor, obliquing angle and tracking.
  virtual void text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
                    const OdChar* msg, std::int32_t length, bool raw, const OdGiTextStyle* style) = 0;
  // The same with a default style of this height, width factor and
  // obliquing angle (radians).
  virtual void text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
                    double height, double width, double oblique, const OdString& msg) = 0;

  virtual void pushModelTransform(const OdGeMatrix3d& modelToParent) = 0;
  // Makes the object coordinate system of this normal the model space.
  void pushModelTransform(const OdGeVector3d& normal) { pushModelTransform(OdGeMatrix3d::planeToWorld(normal)); }
  virtual void popModelTransform() = 0;
  virtual OdGeMatrix3d getModelToWorldTransform() const = 0;
  OdGeMatrix3d getWorldToModelTransform() const { return getModelToWorldTransform().inverse(); }

  // Draws a nested drawable with the current transform and its own traits.
  virtual void draw(const OdGiDrawable* drawable) = 0;
};

using OdGiWorldGeometry = OdGiGeometry;
using OdGiViewportGeometry = OdGiGeometry;
