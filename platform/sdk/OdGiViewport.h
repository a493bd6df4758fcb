// OdGiViewport: what a drawable may ask of the view it is drawn in.
//
// Eye coordinates have their origin at the view target, z towards the viewer
// (along viewDir), y up the screen and x to the right.
#pragma once

#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGePoint2d.h"
#include "platform/sdk/OdGePoint3d.h"

class OdGiViewport {
public:
  virtual ~OdGiViewport() = default;

  virtual OdGeMatrix3d getWorldToEyeTransform() const = 0;
  OdGeMatrix3d getEyeToWorldTransform() const { return getWorldToEyeTransform().inverse(); }
  virtual OdGeMatrix3d getModelToEyeTransform() const = 0;

  // From the target towards the viewer (world coordinates, unit length).
  virtual OdGeVector3d viewDir() const = 0;
  OdGeVector3d getViewDirection() const { return viewDir(); }
  virtual OdGePoint3d getCameraTarget() const = 0;
  virtual OdGeVector3d getCameraUpVector() const = 0;
  OdGePoint3d getCameraLocation() const { return getCameraTarget() + viewDir(); }

  // Screen pixels covered by one drawing unit at `point`, in x and y.
  virtual void getNumPixelsInUnitSquare(const OdGePoint3d& point, OdGePoint2d& pixelArea,
                                        bool includePerspective = true) const = 0;
  // Drawing units covered by one screen pixel at `point` (along the screen's
  // x): gadgets drawn in multiples of it keep their size on screen at any zoom.
  double getPixelSize(const OdGePoint3d& point) const {
    OdGePoint2d pixelArea;
    getNumPixelsInUnitSquare(point, pixelArea);
    return 1.0 / pixelArea.x;
  }
};
