// Symbol tables (layers, text styles, blocks) and the base of their records:
// named records looked up case-insensitively, as drawing programs do.
#pragma once

#include <vector>

#include "platform/sdk/OdDbObject.h"

class OdDbSymbolTableRecord : public OdDbObject {
  ODRX_DECLARE_MEMBERS(OdDbSymbolTableRecord);

public:
  const OdString& getName() const { return m_name; }
  void setName(const OdString& name) { assertWriteEnabled(); m_name = name; }
  // An externally referenced (dependent) record: its name holds a '|'.
  bool isDependent() const { return m_name.find(u'|') >= 0; }

private:
  OdString m_name;
};
using OdDbSymbolTableRecordPtr = OdSmartPtr<OdDbSymbolTableRecord>;

class OdDbSymbolTable : public OdDbObject {
  ODRX_DECLARE_MEMBERS(OdDbSymbolTable);

public:
  // The id of the record of this name (any letter case), or the null id.
  // Erased records are not found.
  OdDbObjectId getAt(const OdString& name) const;
  bool has(const OdString& name) const { return !getAt(name).isNull(); }
  // Adds a record to the table's database and to the table. An empty name
  // gives eInvalidInput, a taken name eDuplicateRecordName; nothing changes then.
  OdDbObjectId add(OdDbSymbolTableRecord* record);
  // The live records in the order they were added.
  std::vector<OdDbObjectId> recordIds() const;

private:
  std::vector<OdDbObjectId> m_records;
};
using OdDbSymbolTablePtr = OdSmartPtr<OdDbSymbolTable>;
