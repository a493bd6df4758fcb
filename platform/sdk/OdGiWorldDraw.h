// OdGiWorldDraw: what a drawable draws its view-independent geometry through.
//
// OdGiCommonDraw is the part shared with OdGiViewportDraw: the geometry,
// the sub-entity traits and the drawing context (which measures text).
#pragma once

#include "platform/sdk/OdGiGeometry.h"
#include "platform/sdk/OdGiSubEntityTraits.h"

class OdGiDefaultContext;

class OdGiCommonDraw {
public:
  virtual ~OdGiCommonDraw() = default;

  virtual OdGiGeometry& rawGeometry() const = 0;
  virtual OdGiSubEntityTraits& subEntityTraits() const = 0;
  // May be null when nothing measures text (a bare recorder).
  virtual OdGiDefaultContext* context() const = 0;
  // A drawable may stop early when the view says so.
  virtual bool regenAbort() const { return false; }
};

class OdGiWorldDraw : public virtual OdGiCommonDraw {
public:
  virtual OdGiWorldGeometry& geometry() const = 0;
};
