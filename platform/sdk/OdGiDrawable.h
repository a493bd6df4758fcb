// OdGiDrawable: the base of everything the graphics layer can draw.
//
// A drawable describes itself in three calls: setAttributes (flags and
// traits), worldDraw (view-independent geometry; answers true when it drew
// everything) and, when worldDraw answers false, viewportDraw (geometry that
// depends on the view, such as gadgets of a fixed pixel size). Drawables are
// reference counted and held through OdGiDrawablePtr, so an editor can hand
// temporary drawables to a view and forget them.
#pragma once

#include <cstdint>

#include "platform/sdk/OdRxObject.h"

class OdGiDrawableTraits;
class OdGiWorldDraw;
class OdGiViewportDraw;

class OdGiDrawable : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdGiDrawable);

public:
  // Flags answered by setAttributes.
  enum SetAttributesFlags : std::uint32_t {
    kDrawableNone = 0,
    kDrawableIsAnEntity = 1,
    kDrawableUsesNesting = 2,
    kDrawableIsCompoundObject = 4,
    kDrawableViewIndependentViewportDraw = 8,
    kDrawableIsInvisible = 16,  // a view skips the drawable altogether
    kDrawableHasAttributes = 32,
    kDrawableIsDimension = 128,
  };

  std::uint32_t setAttributes(OdGiDrawableTraits* traits) const { return subSetAttributes(traits); }
  bool worldDraw(OdGiWorldDraw* worldDraw) const { return subWorldDraw(worldDraw); }
  void viewportDraw(OdGiViewportDraw* viewportDraw) const { subViewportDraw(viewportDraw); }

  // False for drawables that live only in a view (editor gadgets, previews),
  // true for objects stored in a database.
  virtual bool isPersistent() const { return false; }

protected:
  // The defaults set nothing and draw nothing view-dependent.
  virtual std::uint32_t subSetAttributes(OdGiDrawableTraits* traits) const;
  virtual bool subWorldDraw(OdGiWorldDraw* worldDraw) const = 0;
  virtual void subViewportDraw(OdGiViewportDraw* viewportDraw) const;
};

using OdGiDrawablePtr = OdSmartPtr<OdGiDrawable>;
