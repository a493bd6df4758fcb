// OdGiDrawableImpl: the base of drawables that live only in a view.
//
// Such drawables (editor gadgets, previews) set no attributes, are not stored
// in a database and have nothing view-independent to draw: world draw
// answers false, so the view asks for viewport draw, which a derived class
// overrides. T is OdGiDrawable or an interface derived from it.
#pragma once

#include <cstdint>

#include "platform/sdk/OdGiDrawable.h"

template <class T = OdGiDrawable>
class OdGiDrawableImpl : public T {
public:
  bool isPersistent() const override { return false; }

protected:
  std::uint32_t subSetAttributes(OdGiDrawableTraits*) const override { return OdGiDrawable::kDrawableNone; }
  bool subWorldDraw(OdGiWorldDraw*) const override { return false; }
};
