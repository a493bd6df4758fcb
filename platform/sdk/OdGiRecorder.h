// OdGiRecorder: a world and viewport draw that records what drawables draw.
//
// Every primitive is stored as an od_gi_primitive, already in world
// coordinates (through the model-transform stack) and with a copy of the
// traits in force. The recorder also plays the viewport: a parallel view
// given by od_gi_view. It draws nothing itself; back ends turn the records
// into pictures.
#pragma once

#include <vector>

#include "platform/sdk/OdGeExtents3d.h"
#include "platform/sdk/OdGiDrawable.h"
#include "platform/sdk/OdGiPrimitive.h"
#include "platform/sdk/OdGiViewportDraw.h"
#include "platform/sdk/OdGiWorldDraw.h"

// A parallel view: looking at `target` from the side `direction` points to,
// with `up` up the screen and `pixels_per_unit` screen pixels per drawing unit.
struct od_gi_view {
  OdGePoint3d target;
  OdGeVector3d direction = OdGeVector3d::kZAxis;
  OdGeVector3d up = OdGeVector3d::kYAxis;
  double pixels_per_unit = 1.0;
};

class OdGiRecorder : public OdGiWorldDraw,
                     public OdGiViewportDraw,
                     public OdGiGeometry,
                     public OdGiSubEntityTraits,
                     public OdGiViewport {
public:
  explicit OdGiRecorder(OdGiDefaultContext* context = nullptr);

  // A view direction parallel to `up`, or a zero vector, throws OdError(eInvalidInput).
  void setView(const od_gi_view& view);
  const od_gi_view& view() const { return m_view; }

  const std::vector<od_gi_primitive>& primitives() const { return m_primitives; }
  std::vector<od_gi_primitive> takePrimitives();
  void clear() { m_primitives.clear(); }

  // OdGiCommonDraw, OdGiWorldDraw, OdGiViewportDraw
  OdGiGeometry& rawGeometry() const override { return self(); }
  OdGiGeometry& geometry() const override { return self(); }
  OdGiSubEntityTraits& subEntityTraits() const override { return self(); }
  OdGiViewport& viewport() const override { return self(); }
  OdGiDefaultContext* context() const override { return m_context; }

  // OdGiGeometry. Negative counts and null vertex lists throw
  // OdError(eInvalidInput); a zero count draws nothing.
  void polyline(std::int32_t numVertices, const OdGePoint3d* vertexList,
                const OdGeVector3d* normal = nullptr) override;
  void polygon(std::int32_t numVertices, const OdGePoint3d* vertexList) override;
  void circle(const OdGePoint3d& center, double radius, const OdGeVector3d& normal) override;
  void text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
            const OdChar* msg, std::int32_t length, bool raw, const OdGiTextStyle* style) override;
  void text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
            double height, double width, double oblique, const OdString& msg) override;
  using OdGiGeometry::pushModelTransform;
  void pushModelTransform(const OdGeMatrix3d& modelToParent) override;
  // Popping more than was pushed throws OdError(eInvalidInput).
  void popModelTransform() override;
  OdGeMatrix3d getModelToWorldTransform() const override { return m_transforms.back(); }
  // Sets attributes, draws in world then (if asked) viewport mode. The
  // drawable's traits and any transforms it left pushed end with it.
  void draw(const OdGiDrawable* drawable) override;

  // OdGiSubEntityTraits
  void setColor(std::uint16_t colorIndex) override;
  std::uint16_t color() const override { return static_cast<std::uint16_t>(m_traits.trueColor.colorIndex()); }
  void setTrueColor(const OdCmEntityColor& color) override { m_traits.trueColor = color; }
  OdCmEntityColor trueColor() const override { return m_traits.trueColor; }
  void setTransparency(const OdCmTransparency& transparency) override { m_traits.transparency = transparency; }
  OdCmTransparency transparency() const override { return m_traits.transparency; }
  void setFillType(OdGiFillType fillType) override { m_traits.fillType = fillType; }
  OdGiFillType fillType() const override { return m_traits.fillType; }
  void setLineType(const OdString& name) override { m_traits.lineType = name; }
  OdString lineType() const override { return m_traits.lineType; }
  void setLineTypeScale(double scale) override { m_traits.lineTypeScale = scale; }
  double lineTypeScale() const override { return m_traits.lineTypeScale; }
  void setLayer(const OdString& name) override { m_traits.layer = name; }
  OdString layer() const override { return m_traits.layer; }
  void setLineWeight(int lineWeight) override { m_traits.lineWeight = lineWeight; }
  int lineWeight() const override { return m_traits.lineWeight; }
  const OdGiSubEntityTraitsData& traitsData() const { return m_traits; }

  // OdGiViewport
  OdGeMatrix3d getWorldToEyeTransform() const override;
  OdGeMatrix3d getModelToEyeTransform() const override { return getWorldToEyeTransform() * getModelToWorldTransform(); }
  OdGeVector3d viewDir() const override { return m_view.direction.normal(); }
  OdGePoint3d getCameraTarget() const override { return m_view.target; }
  OdGeVector3d getCameraUpVector() const override { return m_view.up.normal(); }
  void getNumPixelsInUnitSquare(const OdGePoint3d& point, OdGePoint2d& pixelArea,
                                bool includePerspective = true) const override;

private:
  OdGiRecorder& self() const { return const_cast<OdGiRecorder&>(*this); }
  od_gi_primitive& record(od_gi_primitive_kind kind);
  std::vector<OdGePoint3d> to_world(std::int32_t count, const OdGePoint3d* points, const char* caller) const;
  void record_text(const OdGePoint3d& position, const OdGeVector3d& normal, const OdGeVector3d& direction,
                   OdGiTextStyle style, OdString text, bool raw);

  OdGiDefaultContext* m_context;
  od_gi_view m_view;
  OdGiSubEntityTraitsData m_traits;
  std::vector<OdGeMatrix3d> m_transforms{OdGeMatrix3d::kIdentity};  // model to world, never empty
  std::vector<od_gi_primitive> m_primitives;
};

// The world-space box around recorded primitives. Text runs count by their
// baseline start only: their ink needs the glyph outlines, which back ends
// that draw text add themselves.
OdGeExtents3d od_gi_primitives_extents(const std::vector<od_gi_primitive>& primitives);

// A circle whose plane is tilted against the plan view is an ellipse there;
// the back ends draw it as this fine polygon in its own plane.
std::vector<OdGePoint3d> od_gi_flattened_circle(const od_gi_primitive& circle);
