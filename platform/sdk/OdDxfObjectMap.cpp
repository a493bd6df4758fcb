// Dispatches records and model objects to the mapping of their kind.
#include "platform/sdk/OdDxfObjectMap.h"

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdDxfMTextColumns.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"

namespace {

using reader_fn = OdDbObjectPtr (*)(const OdDxfTags&, const OdDxfContext&);
using writer_fn = OdDxfTags (*)(const OdDbObject&, const OdDxfTags&, const OdDxfContext&);

struct od_dxf_kind {
  const char* type;
  OdRxClass* (*cls)();
  reader_fn read;
  writer_fn write;
};

// Derived classes before their bases: the first class that matches writes.
const od_dxf_kind kKinds[] = {
    {"ATTRIB", &OdDbAttribute::desc, odDxfReadText, odDxfWriteText},
    {"ATTDEF", &OdDbAttributeDefinition::desc, odDxfReadText, odDxfWriteText},
    {"TEXT", &OdDbText::desc, odDxfReadText, odDxfWriteText},
    {"INSERT", &OdDbBlockReference::desc, odDxfReadInsert, odDxfWriteInsert},
    {"MTEXT", &OdDbMText::desc, odDxfReadMText, odDxfWriteMText},
    {"MULTILEADER", &OdDbMLeader::desc, odDxfReadMLeader, odDxfWriteMLeader},
    {"STYLE", &OdDbTextStyleTableRecord::desc, odDxfReadTextStyle, odDxfWriteTextStyle},
    {"LAYER", &OdDbLayerTableRecord::desc, odDxfReadLayer, odDxfWriteLayer},
    {"FIELD", &OdDbField::desc, odDxfReadField, odDxfWriteField},
};

}  // namespace

OdDbObjectPtr odDxfObjectFromTags(const OdDxfTags& record, const OdDxfContext& context) {
  const std::string type = odDxfRecordType(record);
  for (const od_dxf_kind& kind : kKinds)
    if (type == kind.type) return kind.read(record, context);
  return OdDbObjectPtr();
}

OdDxfTags odDxfTagsFromObject(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  for (const od_dxf_kind& kind : kKinds)
    if (object.isKindOf(kind.cls())) return kind.write(object, original, context);
  if (!original.empty()) return original;
  throw OdError(eNotImplemented, "No DXF record is written for a " + object.isA()->name().toUtf8());
}

std::vector<std::uint64_t> odDxfLinkedColumnRecords(const OdDxfTags& record) {
  if (odDxfRecordType(record) != "MTEXT") return {};
  const auto columns = odDxfReadXDataColumns(record);
  return columns ? columns->linkedColumns : std::vector<std::uint64_t>{};
}
