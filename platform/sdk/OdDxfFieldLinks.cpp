#include "platform/sdk/OdDxfFieldLinks.h"

#include <algorithm>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbField.h"

namespace {

std::string hex(const OdDbObjectId& id) { return id.getHandle().ascii().toUtf8(); }

bool has_extension_dictionary(const OdDxfTags& tags) {
  return std::any_of(tags.begin(), tags.end(), [](const OdDxfTag& tag) {
    return tag.code == 102 && tag.value == "{ACAD_XDICTIONARY";
  });
}

// Where a record's owner (330) sits: after its handle and reactors, before
// its first subclass marker. npos when the record has no owner tag there.
std::size_t owner_index(const OdDxfTags& tags) {
  for (std::size_t i = 1; i < tags.size() && tags[i].code != 100; ++i)
    if (tags[i].code == 330) return i;
  return std::string::npos;
}

// Just before the owner tag, or after the handle when there is none.
std::size_t extension_index(const OdDxfTags& tags) {
  const std::size_t owner = owner_index(tags);
  if (owner != std::string::npos) return owner;
  for (std::size_t i = 1; i < tags.size(); ++i)
    if (tags[i].code == 5) return i + 1;
  return std::min<std::size_t>(1, tags.size());
}

// The record the text was read from, if any.
const OdDxfTags* record_of(const OdDxfDocument& document, const OdDbObjectId& id) {
  for (const od_dxf_section& section : document.sections)
    for (const od_dxf_record& record : section.records)
      if (record.object == id) return &record.tags;
  return nullptr;
}

}  // namespace

od_dxf_field_links::od_dxf_field_links(const OdDbDatabase& database, const OdDxfDocument& document,
                                       const std::vector<OdDbObjectId>& new_fields, OdDbHandle next)
    : m_next(next) {
  if (!document.section("OBJECTS") || !document.has_handles) return;
  for (const OdDbObjectId& fieldId : new_fields) {
    const OdDbObject* field = fieldId.peekObject();
    if (!field || !field->isKindOf(OdDbField::desc())) continue;
    const OdDbObjectId textId = field->ownerId();
    const OdDbObject* text = textId.peekObject();
    if (!text || text->isErased() || text->isKindOf(OdDbField::desc()) || text->database() != &database) continue;
    const std::vector<OdString> names = text->fieldNames();
    if (std::find(names.begin(), names.end(), OdString(u"TEXT")) == names.end() || m_byObject.count(textId)) continue;
    const OdDxfTags* read = record_of(document, textId);
    if (read && has_extension_dictionary(*read)) continue;
    link made{textId, fieldId, m_next.ascii().toUtf8(), OdDbHandle(m_next + 1).ascii().toUtf8()};
    m_next = OdDbHandle(m_next + 2);
    m_byObject[textId] = m_byObject[fieldId] = m_links.size();
    m_links.push_back(made);
  }
}

void od_dxf_field_links::add_to_record(const OdDbObject& object, OdDxfTags& tags) const {
  const auto it = m_byObject.find(object.objectId());
  if (it == m_byObject.end() || tags.empty()) return;
  const link& made = m_links[it->second];
  if (object.objectId() == made.text) {
    const OdDxfTags group{{102, "{ACAD_XDICTIONARY", 0}, {360, made.extension, 0}, {102, "}", 0}};
    tags.insert(tags.begin() + static_cast<long>(extension_index(tags)), group.begin(), group.end());
    return;
  }
  const std::size_t owner = owner_index(tags);
  if (owner != std::string::npos) tags[owner].value = made.field_list;
  else tags.insert(tags.begin() + static_cast<long>(extension_index(tags)), OdDxfTag{330, made.field_list, 0});
}

std::vector<OdDxfTags> od_dxf_field_links::dictionaries() const {
  std::vector<OdDxfTags> records;
  for (const link& made : m_links) {
    records.push_back({{0, "DICTIONARY", 0}, {5, made.extension, 0}, {330, hex(made.text), 0},
                       {100, "AcDbDictionary", 0}, {280, "1", 0}, {3, "ACAD_FIELD", 0}, {360, made.field_list, 0}});
    records.push_back({{0, "DICTIONARY", 0}, {5, made.field_list, 0}, {330, made.extension, 0},
                       {100, "AcDbDictionary", 0}, {280, "1", 0}, {3, "TEXT", 0}, {360, hex(made.field), 0}});
  }
  return records;
}
