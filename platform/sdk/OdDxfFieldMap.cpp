// FIELD objects and the link from an entity to its field: the entity's
// extension dictionary (102 {ACAD_XDICTIONARY / 360) holds "ACAD_FIELD", a
// dictionary that holds "TEXT", the field.
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"
#include "platform/sdk/OdDxfValue.h"

namespace {

// The field code's tags: a 2 with its 3 chunks, which drawing programs
// write before it (and the reference after it); [first, last] inclusive.
std::optional<od_dxf_part> code_tags(const OdDxfTags& record) {
  const od_dxf_part part = odDxfFindPart(record, "AcDbField");
  const std::size_t at = odDxfFind(record, part, 2);
  if (at == std::string::npos) return std::nullopt;
  std::size_t first = at, last = at;
  while (first > part.begin && record[first - 1].code == 3) --first;
  while (last + 1 < part.end && record[last + 1].code == 3) ++last;
  return od_dxf_part{first, last + 1};
}

std::optional<OdString> field_code(const OdDxfTags& record, int version) {
  const auto tags = code_tags(record);
  if (!tags) return std::nullopt;
  std::string raw;
  for (std::size_t i = tags->begin; i < tags->end; ++i) raw += record[i].value;
  return odDxfDecodeString(raw, version, false);
}

// Replaces the code's tags with 3 chunks and a final 2, where they stood.
void write_code(OdDxfTags& record, const OdString& code, int version) {
  // A record without a code gets one at the end of its field part, before
  // any extended data or embedded object, where reading looks for it.
  const od_dxf_part part = odDxfFindPart(record, "AcDbField");
  std::size_t at = part.end;
  for (std::size_t i = part.begin; i < part.end; ++i)
    if (record[i].code == 101) {
      at = i;
      break;
    }
  if (const auto tags = code_tags(record)) {
    at = tags->begin;
    record.erase(record.begin() + static_cast<std::ptrdiff_t>(tags->begin),
                 record.begin() + static_cast<std::ptrdiff_t>(tags->end));
  }
  const std::vector<std::string> chunks = odDxfSplitChunks(odDxfEncodeString(code, version));
  OdDxfTags fresh;
  for (std::size_t i = 0; i < chunks.size(); ++i) fresh.push_back({i + 1 == chunks.size() ? 2 : 3, chunks[i], 0});
  record.insert(record.begin() + static_cast<std::ptrdiff_t>(at), fresh.begin(), fresh.end());
}

OdString without_markers(const OdString& code) {
  OdDbFieldPtr probe = OdDbField::createObject();
  probe->setFieldCode(code);
  return probe->getFieldCode();
}

// The cached value after 7 "ACFD_FIELD_VALUE": a string (2 chunks, then
// 1), a long (91) or a double (140).
std::optional<OdString> cached_value(const OdDxfTags& record, int version) {
  std::size_t i = 0;
  while (i < record.size() && !(record[i].code == 7 && record[i].value == "ACFD_FIELD_VALUE")) ++i;
  std::string raw;
  for (++i; i < record.size() && record[i].code != 304 && record[i].code != 7; ++i) {
    if (record[i].code == 2) raw += record[i].value;
    if (record[i].code == 1) return odDxfDecodeString(raw + record[i].value, version, false);
    if (record[i].code == 91 || record[i].code == 140) {
      std::string text = record[i].value;
      text.erase(0, text.find_first_not_of(' '));
      return OdString::fromUtf8(text);
    }
  }
  return std::nullopt;
}

// The handle a DICTIONARY record keeps under `name` (3 name, then 350 or 360).
std::uint64_t dictionary_entry(const OdDxfTags& dictionary, const std::string& name) {
  for (std::size_t i = 0; i + 1 < dictionary.size(); ++i)
    if (dictionary[i].code == 3 && dictionary[i].value == name &&
        (dictionary[i + 1].code == 350 || dictionary[i + 1].code == 360))
      return odDxfParseHandle(dictionary[i + 1].value);
  return 0;
}

std::uint64_t text_field_handle(const OdDxfTags& record, const OdDxfContext& context) {
  const OdDxfTags* extension = context.recordByHandle(odDxfExtensionDictionary(record));
  if (!extension) return 0;
  const OdDxfTags* fields = context.recordByHandle(dictionary_entry(*extension, "ACAD_FIELD"));
  return fields ? dictionary_entry(*fields, "TEXT") : 0;
}

// Children (360 in the AcDbField part) become the field's children; the cached value stays.
void link_children(OdDbField& field, const OdDxfTags& record, const OdDxfContext& context) {
  std::vector<OdDbField*> children;
  std::vector<OdDbObjectPtr> held;
  const od_dxf_part part = odDxfFindPart(record, "AcDbField");
  for (int n = 0;; ++n) {
    const std::size_t at = odDxfFind(record, part, 360, n);
    if (at == std::string::npos) break;
    held.push_back(odDxfObjectByHandle(odDxfParseHandle(record[at].value), context).openObject());
    if (auto* child = dynamic_cast<OdDbField*>(held.back().get())) children.push_back(child);
  }
  if (children.empty()) return;
  const OdString value = field.getValue();
  field.setFieldCode(field.getFieldCode(), 0, &children);
  field.setCachedValue(value);
}

}  // namespace

OdDbObjectPtr odDxfReadField(const OdDxfTags& record, const OdDxfContext& context) {
  OdDbFieldPtr field = OdDbField::createObject();
  field->setFieldCode(field_code(record, context.version).value_or(OdString()));
  od_dxf_reader reader(record, context.version);
  if (const auto option = reader.part("AcDbField").integer(91)) field->setEvaluationOption(static_cast<int>(*option));
  if (const auto value = cached_value(record, context.version)) field->setCachedValue(*value);
  return field;
}

OdDxfTags odDxfWriteField(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  const auto& field = dynamic_cast<const OdDbField&>(object);
  OdDxfTags tags = original;
  if (tags.empty()) {
    tags = odDxfNewRecord(object, "FIELD", {"AcDbField"}, context);
    const std::string value = odDxfEncodeString(field.getValue(), context.version);
    const OdDxfTags body{{1, "_text", 0},  {2, "", 0},        {90, "0", 0},   {97, "0", 0},
                         {91, "63", 0},    {92, "0", 0},      {94, "0", 0},   {95, "0", 0},
                         {96, "0", 0},     {300, "", 0},      {93, "0", 0},   {7, "ACFD_FIELD_VALUE", 0},
                         {93, "2", 0},     {90, "4", 0},      {1, value, 0},  {94, "0", 0},
                         {300, "", 0},     {302, value, 0},   {304, "ACVALUE_END", 0},
                         {301, "", 0},     {98, "0", 0}};
    tags.insert(tags.end(), body.begin(), body.end());
  }
  // The model keeps codes without their outer markers; the record keeps the form it had.
  const std::optional<OdString> old = field_code(tags, context.version);
  if (!old || without_markers(*old) != field.getFieldCode()) {
    const bool markers = old && !old->isEmpty() ? *old != without_markers(*old) : !field.children().empty();
    write_code(tags, field.getFieldCode(markers ? OdDbField::kAddMarkers : 0), context.version);
  }
  od_dxf_patcher patcher(tags, context.version);
  patcher.part("AcDbField", {1, 2, 3, 90, 360, 97, 331, 91});
  patcher.integer(91, field.evaluationOption(), 63);
  return tags;
}

void odDxfLinkFields(const OdDxfContext& context) {
  if (!context.database || !context.recordByHandle) return;
  for (const OdDbObjectId& id : context.database->objectIds()) {
    const OdDxfTags* record = context.recordByHandle(id.getHandle());
    if (!record) continue;
    if (odDxfRecordType(*record) == "FIELD") {
      if (auto field = OdDbField::cast(id.openObject(OdDb::kForWrite).get()); field)
        link_children(*field, *record, context);
      continue;
    }
    const OdDbObjectId fieldId = odDxfObjectByHandle(text_field_handle(*record, context), context);
    OdDbObjectPtr field = fieldId.openObject();
    if (!field) continue;
    OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
    if (object) object->setField(u"TEXT", field.get());
  }
}
