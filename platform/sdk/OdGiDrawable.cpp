#include "platform/sdk/OdGiDrawable.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdGiDrawable, OdRxObject)

std::uint32_t OdGiDrawable::subSetAttributes(OdGiDrawableTraits*) const { return kDrawableNone; }

void OdGiDrawable::subViewportDraw(OdGiViewportDraw*) const {}
