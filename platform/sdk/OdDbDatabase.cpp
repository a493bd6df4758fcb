#include "platform/sdk/OdDbDatabase.h"

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdDxfDocument.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbDatabase, OdRxObject, u"")

namespace {

std::map<OdString, OdResBuf> default_sysvars() {
  return {
      {u"TEXTSIZE", OdResBuf::real(2.5)},
      {u"TEXTSTYLE", OdResBuf::string(u"Standard", OdResBuf::kDxfTextStyleName)},
      {u"DIMSCALE", OdResBuf::real(1.0)},
      {u"TEXTEVAL", OdResBuf::int16(0)},
      {u"TEXTALLCAPS", OdResBuf::int16(0)},
      {u"LUPREC", OdResBuf::int16(4)},
      {u"CMDACTIVE", OdResBuf::int16(0)},
      {u"TILEMODE", OdResBuf::int16(1)},
      {u"CVPORT", OdResBuf::int16(2)},
      {u"CLAYER", OdResBuf::string(u"0", 8)},
      {u"INSBASE", OdResBuf::point(OdGePoint3d::kOrigin)},
  };
}

bool same_kind(const OdResBuf& a, const OdResBuf& b) {
  const bool a_int = a.isInt16() || a.isInt32(), b_int = b.isInt16() || b.isInt32();
  return (a.isReal() && (b.isReal() || b_int)) || (a_int && b_int) || (a.isString() && b.isString()) ||
         (a.isPoint() && b.isPoint());
}

}  // namespace

OdDbDatabase::OdDbDatabase() {
  odDbInitialize();
  m_sysvars = default_sysvars();
  create_defaults();
}

OdDbDatabase::OdDbDatabase(empty_tag) {
  odDbInitialize();
  m_sysvars = default_sysvars();
}

OdDbDatabasePtr OdDbDatabase::createEmpty() { return OdRxObjectImpl<OdDbDatabase>::createObject(empty_tag{}); }

OdDbDatabase::~OdDbDatabase() {
  // Objects may point at each other through fields; drop them before the stubs.
  for (od_db_stub& stub : m_stubs) stub.object = nullptr;
}

od_db_stub* OdDbDatabase::new_stub(OdDbObject* object, const OdDbObjectId& ownerId, OdDbHandle handle) {
  m_stubs.push_back(od_db_stub{this, handle, OdDbObjectPtr(object)});
  od_db_stub* stub = &m_stubs.back();
  m_byHandle[handle] = stub;
  object->setIdFromDatabase(OdDbObjectId(stub));
  object->setOwnerId(ownerId);
  return stub;
}

OdDbObjectId OdDbDatabase::addOdDbObject(OdDbObject* object, const OdDbObjectId& ownerId) {
  if (!object) throw OdError(eNullObjectPointer);
  if (object->objectId().isValid()) throw OdError(eAlreadyInDb);
  const OdDbHandle handle = m_handseed;
  ++m_handseed;
  return OdDbObjectId(new_stub(object, ownerId, handle));
}

OdDbObjectId OdDbDatabase::addOdDbObject(OdDbObject* object, const OdDbObjectId& ownerId, OdDbHandle handle) {
  if (!object) throw OdError(eNullObjectPointer);
  if (object->objectId().isValid()) throw OdError(eAlreadyInDb);
  if (handle.isNull() || m_byHandle.count(handle))
    throw OdError(eInvalidInput, "Handle " + handle.ascii().toUtf8() + " is null or taken");
  if (handle >= m_handseed) m_handseed = OdDbHandle(handle + 1);
  return OdDbObjectId(new_stub(object, ownerId, handle));
}

OdDbObjectId OdDbDatabase::getOdDbObjectId(const OdDbHandle& handle) const {
  const auto it = m_byHandle.find(handle);
  return it == m_byHandle.end() ? OdDbObjectId::kNull : OdDbObjectId(it->second);
}

std::vector<OdDbObjectId> OdDbDatabase::objectIds() const {
  std::vector<OdDbObjectId> ids;
  for (const auto& [handle, stub] : m_byHandle) ids.emplace_back(stub);
  return ids;
}

void OdDbDatabase::setHandseed(OdDbHandle seed) {
  if (!m_byHandle.empty() && seed <= m_byHandle.rbegin()->first)
    throw OdError(eInvalidInput, "The handle seed must lie above every handle in use");
  m_handseed = seed;
}

OdDbObjectId OdDbDatabase::add_table_record(const OdDbObjectId& tableId, OdDbObject* record) {
  OdDbSymbolTablePtr table(tableId.peekObject());
  return table->add(static_cast<OdDbSymbolTableRecord*>(record));
}

// A new drawing's built-ins are those a drawing read from a file adopts
// when it has none of its own.
void OdDbDatabase::create_defaults() { adoptBuiltIns(OdDbObjectId::kNull, OdDbObjectId::kNull, OdDbObjectId::kNull); }

OdDbObjectId OdDbDatabase::built_in_table(const OdDbObjectId& given) {
  const OdDbObject* object = given.peekObject();
  if (object && object->isKindOf(OdDbSymbolTable::desc())) return given;
  return addOdDbObject(OdDbSymbolTable::createObject().get());
}

// The table's record of that name, or `record` added to the table.
OdDbObjectId OdDbDatabase::built_in_record(const OdDbObjectId& tableId, OdDbSymbolTableRecord* record) {
  const OdDbObjectId found = OdDbSymbolTablePtr(tableId.peekObject())->getAt(record->getName());
  return found.isNull() ? add_table_record(tableId, record) : found;
}

void OdDbDatabase::adoptBuiltIns(const OdDbObjectId& blocks, const OdDbObjectId& layers,
                                 const OdDbObjectId& styles) {
  m_blocks = built_in_table(blocks);
  m_layers = built_in_table(layers);
  m_textStyles = built_in_table(styles);
  OdSmartPtr<OdDbBlockTableRecord> model = OdDbBlockTableRecord::createObject();
  model->setName(u"*Model_Space");
  m_modelSpace = built_in_record(m_blocks, model.get());
  OdSmartPtr<OdDbBlockTableRecord> paper = OdDbBlockTableRecord::createObject();
  paper->setName(u"*Paper_Space");
  m_paperSpace = built_in_record(m_blocks, paper.get());
  OdDbLayerTableRecordPtr zero = OdDbLayerTableRecord::createObject();
  zero->setName(u"0");
  m_layerZero = built_in_record(m_layers, zero.get());
  OdDbTextStyleTableRecordPtr standard = OdDbTextStyleTableRecord::createObject();
  standard->setName(u"Standard");
  standard->setFileName(u"txt");
  m_standardStyle = built_in_record(m_textStyles, standard.get());
}

OdDbObjectId OdDbDatabase::addEntity(OdDbEntity* entity) {
  OdDbBlockTableRecordPtr space(m_modelSpace.peekObject());
  space->upgradeOpen();
  return space->appendOdDbEntity(entity);
}

// The tables as they are, without touching the open mode a caller gave them.
OdDbSymbolTablePtr OdDbDatabase::layerTable() const { return OdDbSymbolTablePtr(m_layers.peekObject()); }
OdDbSymbolTablePtr OdDbDatabase::textStyleTable() const {
  return OdDbSymbolTablePtr(m_textStyles.peekObject());
}
OdDbSymbolTablePtr OdDbDatabase::blockTable() const { return OdDbSymbolTablePtr(m_blocks.peekObject()); }

OdString OdDbDatabase::sysvar_key(const OdString& name) {
  OdString key = name;
  key.trimLeft().trimRight().makeUpper();
  if (!key.isEmpty() && key[0] == u'$') key = key.mid(1);
  return key;
}

OdResBuf OdDbDatabase::getSysVar(const OdString& name) const {
  const auto it = m_sysvars.find(sysvar_key(name));
  if (it == m_sysvars.end())
    throw OdError(eKeyNotFound, "Unknown system variable " + name.toUtf8());
  return it->second;
}

bool OdDbDatabase::hasSysVar(const OdString& name) const { return m_sysvars.count(sysvar_key(name)) > 0; }

void OdDbDatabase::setSysVar(const OdString& name, const OdResBuf& value) {
  const OdString key = sysvar_key(name);
  if (key.isEmpty()) throw OdError(eInvalidInput, "A system variable needs a name");
  const auto it = m_sysvars.find(key);
  if (it == m_sysvars.end()) {
    m_sysvars.emplace(key, value);
    return;
  }
  if (!same_kind(it->second, value))
    throw OdError(eInvalidInput, "System variable " + key.toUtf8() + " takes another kind of value");
  // Keep the variable's own kind: an integer written to a real stays a real.
  if (it->second.isReal()) it->second = OdResBuf::real(value.getDouble());
  else if (it->second.isInt16()) it->second = OdResBuf::int16(value.getInt16());
  else if (it->second.isInt32()) it->second = OdResBuf::int32(value.getInt32());
  else it->second = value.isString() ? OdResBuf::string(value.getString(), it->second.restype()) : value;
}

OdDbObjectId OdDbDatabase::getTEXTSTYLE() const {
  const OdDbObjectId id = textStyleTable()->getAt(getSysVar(u"TEXTSTYLE").getString());
  return id.isNull() ? m_standardStyle : id;
}

void OdDbDatabase::setTEXTSTYLE(const OdDbObjectId& styleId) {
  if (styleId.isNull() || styleId.isErased()) throw OdError(eInvalidInput, "TEXTSTYLE needs a live style");
  OdDbTextStyleTableRecordPtr record(styleId.peekObject());
  setSysVar(u"TEXTSTYLE", OdResBuf::string(record->getName()));
}

OdDbObjectId OdDbDatabase::activeSpaceId() const {
  return getTILEMODE() == 0 && getCVPORT() <= 1 ? m_paperSpace : m_modelSpace;
}

int OdDbDatabase::originalFileVersion() const { return m_dxfDocument ? m_dxfDocument->version : 0; }
