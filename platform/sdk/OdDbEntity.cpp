#include "platform/sdk/OdDbEntity.h"

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdGiSubEntityTraits.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbEntity, OdDbObject)

void OdDbEntity::setLayer(const OdString& name) {
  if (name.isEmpty()) throw OdError(eInvalidInput, "A layer needs a name");
  assertWriteEnabled();
  m_layer = name;
}

OdDbObjectId OdDbEntity::layerId() const {
  OdDbDatabase* db = database();
  return db ? db->layerTable()->getAt(m_layer) : OdDbObjectId::kNull;
}

void OdDbEntity::setLayer(const OdDbObjectId& layerId) {
  const auto* record = dynamic_cast<OdDbLayerTableRecord*>(layerId.peekObject());
  if (!record) throw OdError(eInvalidInput, "Not a layer");
  setLayer(record->getName());
}

bool OdDbEntity::isOnLockedLayer() const {
  const auto* record = dynamic_cast<OdDbLayerTableRecord*>(layerId().peekObject());
  return record && record->isLocked();
}

void OdDbEntity::setColorIndex(int index) {
  assertWriteEnabled();
  m_color.setColorIndex(index);
}

void OdDbEntity::setDatabaseDefaults(OdDbDatabase* database) {
  assertWriteEnabled();
  m_layer = database && database->hasSysVar(u"CLAYER") ? database->getSysVar(u"CLAYER").getString()
                                                        : OdString(u"0");
  m_color = OdCmEntityColor();
  m_transparency = OdCmTransparency();
  m_linetype = u"ByLayer";
  m_linetypeScale = 1.0;
}

std::uint32_t OdDbEntity::subSetAttributes(OdGiDrawableTraits* traits) const {
  if (auto* sub = dynamic_cast<OdGiSubEntityTraits*>(traits)) applyTraits(*sub);
  std::uint32_t flags = kDrawableIsAnEntity;
  if (m_visibility == OdDb::kInvisible) flags |= kDrawableIsInvisible;
  return flags;
}

void OdDbEntity::applyTraits(OdGiSubEntityTraits& traits) const {
  traits.setTrueColor(m_color);
  traits.setTransparency(m_transparency);
  traits.setLayer(m_layer);
  traits.setLineType(m_linetype.iCompare(u"ByLayer") == 0 ? OdString() : m_linetype);
  traits.setLineTypeScale(m_linetypeScale);
}
