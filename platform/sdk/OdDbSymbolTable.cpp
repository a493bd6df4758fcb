#include "platform/sdk/OdDbSymbolTable.h"

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdGiWorldDraw.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbSymbolTableRecord, OdDbObject)
ODRX_CONS_DEFINE_MEMBERS(OdDbSymbolTable, OdDbObject, u"TABLE")
ODRX_CONS_DEFINE_MEMBERS(OdDbLayerTableRecord, OdDbSymbolTableRecord, u"LAYER")
ODRX_CONS_DEFINE_MEMBERS(OdDbBlockTableRecord, OdDbSymbolTableRecord, u"BLOCK_RECORD")

namespace {
OdDbSymbolTableRecord* record_of(const OdDbObjectId& id) {
  if (id.isErased()) return nullptr;
  return static_cast<OdDbSymbolTableRecord*>(id.peekObject());
}
}  // namespace

OdDbObjectId OdDbSymbolTable::getAt(const OdString& name) const {
  for (const OdDbObjectId& id : m_records) {
    const OdDbSymbolTableRecord* record = record_of(id);
    if (record && record->getName().iCompare(name) == 0) return id;
  }
  return OdDbObjectId::kNull;
}

OdDbObjectId OdDbSymbolTable::add(OdDbSymbolTableRecord* record) {
  if (!record) throw OdError(eNullObjectPointer);
  if (record->getName().isEmpty()) throw OdError(eInvalidInput, "A table record needs a name");
  if (has(record->getName()))
    throw OdError(eDuplicateRecordName, "Duplicate record name: " + record->getName().toUtf8());
  OdDbDatabase* db = database();
  if (!db) throw OdError(eNoDatabase);
  assertWriteEnabled();
  const OdDbObjectId id =
      record->objectId().isNull() ? db->addOdDbObject(record, objectId()) : record->objectId();
  record->setOwnerId(objectId());
  m_records.push_back(id);
  return id;
}

std::vector<OdDbObjectId> OdDbSymbolTable::recordIds() const {
  std::vector<OdDbObjectId> ids;
  for (const OdDbObjectId& id : m_records)
    if (!id.isErased()) ids.push_back(id);
  return ids;
}

OdDbObjectId OdDbBlockTableRecord::appendOdDbEntity(OdDbEntity* entity) {
  if (!entity) throw OdError(eNullObjectPointer);
  OdDbDatabase* db = database();
  if (!db) throw OdError(eNoDatabase);
  assertWriteEnabled();
  const OdDbObjectId id =
      entity->objectId().isNull() ? db->addOdDbObject(entity, objectId()) : entity->objectId();
  entity->setOwnerId(objectId());
  m_entities.push_back(id);
  return id;
}

bool OdDbBlockTableRecord::isLayout() const {
  return getName().iCompare(u"*Model_Space") == 0 || getName().iCompare(u"*Paper_Space") == 0;
}

bool OdDbBlockTableRecord::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  for (const OdDbObjectId& id : m_entities)
    if (!id.isErased())
      if (const OdDbObject* entity = id.peekObject()) worldDraw->geometry().draw(entity);
  return true;
}
