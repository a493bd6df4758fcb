#include "platform/sdk/OdDbObject.h"

#include "platform/sdk/OdDbDatabase.h"

ODRX_NO_CONS_DEFINE_MEMBERS(OdDbObject, OdGiDrawable)

bool OdDbObjectId::isErased() const { return m_stub && m_stub->object && m_stub->object->isErased(); }

OdDbObjectPtr OdDbObjectId::openObject(OdDb::OpenMode mode, bool openErased) const {
  if (!m_stub || !m_stub->object) return OdDbObjectPtr();
  if (m_stub->object->isErased() && !openErased) return OdDbObjectPtr();
  m_stub->object->setOpenModeFromDatabase(mode);
  return m_stub->object;
}

OdDbObjectPtr OdDbObjectId::safeOpenObject(OdDb::OpenMode mode, bool openErased) const {
  if (!m_stub || !m_stub->object) throw OdError(eNullObjectId);
  OdDbObjectPtr object = openObject(mode, openErased);
  if (!object) throw OdError(eWasErased);
  return object;
}

void OdDbObject::assertReadEnabled() const {
  if (!isReadEnabled()) throw OdError(eNotOpenForRead);
}

void OdDbObject::assertWriteEnabled() const {
  if (!isWriteEnabled()) throw OdError(eNotOpenForWrite);
}

void OdDbObject::erase(bool erasing) {
  assertWriteEnabled();
  if (erasing == m_erased) throw OdError(erasing ? eWasErased : eInvalidInput);
  m_erased = erasing;
}

OdString OdDbObject::field_key(const OdString& name) {
  OdString key = name;
  return key.makeUpper();
}

void OdDbObject::post_field(OdDbObject* field) const {
  OdDbDatabase* db = database();
  if (db && field->objectId().isNull()) {
    db->addOdDbObject(field, objectId());
    field->setOpenModeFromDatabase(OdDb::kForWrite);
  }
}

void OdDbObject::setField(const OdString& name, OdDbObject* field) {
  if (!field) throw OdError(eNullObjectPointer);
  assertWriteEnabled();
  post_field(field);
  m_fields[field_key(name)] = OdDbObjectPtr(field);
}

OdDbObjectPtr OdDbObject::getField(const OdString& name, OdDb::OpenMode mode) const {
  const auto it = m_fields.find(field_key(name));
  if (it == m_fields.end()) return OdDbObjectPtr();
  it->second->setOpenModeFromDatabase(mode);
  return it->second;
}

bool OdDbObject::removeField(const OdString& name) {
  assertWriteEnabled();
  const auto it = m_fields.find(field_key(name));
  if (it == m_fields.end()) return false;
  if (it->second->objectId().isValid() && !it->second->isErased()) {
    it->second->upgradeOpen();
    it->second->erase();
  }
  m_fields.erase(it);
  return true;
}

std::vector<OdString> OdDbObject::fieldNames() const {
  std::vector<OdString> names;
  for (const auto& [key, field] : m_fields) names.push_back(key);
  return names;
}
