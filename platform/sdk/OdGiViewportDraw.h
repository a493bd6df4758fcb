// OdGiViewportDraw: what a drawable draws its view-dependent geometry through.
#pragma once

#include "platform/sdk/OdGiViewport.h"
#include "platform/sdk/OdGiWorldDraw.h"

class OdGiViewportDraw : public virtual OdGiCommonDraw {
public:
  virtual OdGiViewportGeometry& geometry() const = 0;
  virtual OdGiViewport& viewport() const = 0;
};
