// OdDbObject: the base of every object a database keeps, with its id, open
// mode, erase flag and the named fields of its extension dictionary.
//
// Open modes are tracked per object, not per pointer: openObject sets the
// mode it was asked for, and every setter first calls assertWriteEnabled, so
// writing an object opened for read throws eNotOpenForWrite. An object that
// is not (yet) in a database is always writable.
#pragma once

#include <map>

#include "platform/sdk/OdDbObjectId.h"
#include "platform/sdk/OdError.h"
#include "platform/sdk/OdGiDrawable.h"

class OdDbField;
class OdDbDwgFiler;
class OdDbDxfFiler;

class OdDbObject : public OdGiDrawable {
  ODRX_DECLARE_MEMBERS(OdDbObject);

public:
  OdDbObjectId objectId() const { return m_id; }
  OdDbDatabase* database() const { return m_id.database(); }
  OdDbObjectId ownerId() const { return m_ownerId; }
  void setOwnerId(const OdDbObjectId& owner) { m_ownerId = owner; }
  OdDbHandle handle() const { return m_id.getHandle(); }
  OdDbHandle getDbHandle() const { return handle(); }
  bool isPersistent() const override { return !m_id.isNull(); }

  bool isErased() const { return m_erased; }
  // Erasing needs write access; erasing twice (or un-erasing a live object)
  // is refused with eWasErased / eInvalidInput and changes nothing.
  void erase(bool erasing = true);

  OdDb::OpenMode openMode() const { return m_openMode; }
  bool isReadEnabled() const { return m_openMode != OdDb::kNotOpen; }
  bool isWriteEnabled() const { return m_openMode == OdDb::kForWrite; }
  void assertReadEnabled() const;
  void assertWriteEnabled() const;
  void upgradeOpen() { m_openMode = OdDb::kForWrite; }
  void downgradeOpen() { m_openMode = OdDb::kForRead; }

  // Named fields. Any object can sit under a name (a drawing read from a file
  // may hold anything there); getField hands it back as an OdDbObjectPtr, so
  // a cast to OdDbField of something else raises OdError_NotThatKindOfClass.
  // Names compare case-insensitively. Null objects are refused (eNullObjectPointer).
  void setField(const OdString& name, OdDbObject* field);
  OdDbObjectPtr getField(const OdString& name, OdDb::OpenMode mode = OdDb::kForRead) const;
  bool hasFields() const { return !m_fields.empty(); }
  bool removeField(const OdString& name);
  // The names of the fields, in name order.
  std::vector<OdString> fieldNames() const;

  // The object's own fields, as drawing files hold them; the base has none.
  // A derived class files its fields after its base's.
  virtual OdResult dwgInFields(OdDbDwgFiler*) { return eOk; }
  virtual void dwgOutFields(OdDbDwgFiler*) const {}
  virtual OdResult dxfInFields(OdDbDxfFiler*) { return eOk; }
  virtual void dxfOutFields(OdDbDxfFiler*) const {}

  // Called by the database when the object is added.
  void setIdFromDatabase(const OdDbObjectId& id) { m_id = id; }
  void setOpenModeFromDatabase(OdDb::OpenMode mode) { m_openMode = mode; }

protected:
  OdDbObject() = default;
  bool subWorldDraw(OdGiWorldDraw*) const override { return true; }

private:
  static OdString field_key(const OdString& name);
  // Adds a field object to this object's database when both are persistent.
  void post_field(OdDbObject* field) const;

  OdDbObjectId m_id;
  OdDbObjectId m_ownerId;
  bool m_erased = false;
  OdDb::OpenMode m_openMode = OdDb::kForWrite;
  std::map<OdString, OdDbObjectPtr> m_fields;  // by upper-case name
};
