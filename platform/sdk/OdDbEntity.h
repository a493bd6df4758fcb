// OdDbEntity: an object with a place in a block and the common drawing
// properties: layer, colour, transparency, line type and visibility.
//
// A locked layer is only recorded here; commands check it before changing
// the entity.
#pragma once

#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdCmTransparency.h"
#include "platform/sdk/OdDbObject.h"

class OdGiSubEntityTraits;

namespace OdDb {
enum Visibility { kVisible = 0, kInvisible = 1 };
}

class OdDbEntity : public OdDbObject {
  ODRX_DECLARE_MEMBERS(OdDbEntity);

public:
  // Layer by name; the id is found in the entity's database.
  const OdString& layer() const { return m_layer; }
  void setLayer(const OdString& name);
  // The layer's id, null when the entity is not in a database or the layer is missing.
  OdDbObjectId layerId() const;
  void setLayer(const OdDbObjectId& layerId);
  // True when the entity's layer exists and is locked.
  bool isOnLockedLayer() const;

  const OdCmEntityColor& color() const { return m_color; }
  void setColor(const OdCmEntityColor& color) { assertWriteEnabled(); m_color = color; }
  int colorIndex() const { return m_color.colorIndex(); }
  void setColorIndex(int index);
  const OdCmTransparency& transparency() const { return m_transparency; }
  void setTransparency(const OdCmTransparency& t) { assertWriteEnabled(); m_transparency = t; }
  OdDb::Visibility visibility() const { return m_visibility; }
  void setVisibility(OdDb::Visibility v) { assertWriteEnabled(); m_visibility = v; }
  // "ByLayer", "ByBlock", "Continuous", ...
  const OdString& linetype() const { return m_linetype; }
  void setLinetype(const OdString& name) { assertWriteEnabled(); m_linetype = name; }
  double linetypeScale() const { return m_linetypeScale; }
  void setLinetypeScale(double scale) { assertWriteEnabled(); m_linetypeScale = scale; }

  // Layer, colour, transparency and line type of a new entity from its
  // database: the current layer (CLAYER) and by-layer properties.
  void setDatabaseDefaults(OdDbDatabase* database);

protected:
  OdDbEntity() = default;
  std::uint32_t subSetAttributes(OdGiDrawableTraits* traits) const override;
  // Puts colour, transparency, layer and line type into the traits.
  void applyTraits(OdGiSubEntityTraits& traits) const;

private:
  OdString m_layer{u"0"};
  OdCmEntityColor m_color;
  OdCmTransparency m_transparency;
  OdDb::Visibility m_visibility = OdDb::kVisible;
  OdString m_linetype{u"ByLayer"};
  double m_linetypeScale = 1.0;
};
using OdDbEntityPtr = OdSmartPtr<OdDbEntity>;
