// Writing a database back to the ASCII DXF file it was read from: records
// in the order read, unchanged ones as read, the module's objects through
// the mapping, erased ones left out and new ones at the end of where their
// owner's members are written. A database made in memory is written the
// same way into a frame made for it (OdDxfNewDocument.h).
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDxfDocument.h"
#include "platform/sdk/OdDxfFieldLinks.h"
#include "platform/sdk/OdDxfFile.h"
#include "platform/sdk/OdDxfFileIo.h"
#include "platform/sdk/OdDxfHeader.h"
#include "platform/sdk/OdDxfNewDocument.h"
#include "platform/sdk/OdDxfObjectMap.h"

namespace {

std::string class_name(const OdDbObject& object) { return object.isA()->name().toUtf8(); }

// Objects added to the database since it was read, by where they are written.
struct new_objects {
  std::vector<OdDbObjectId> layout_entities;  // model and paper space: end of ENTITIES
  std::map<OdDbObjectId, std::vector<OdDbObjectId>> members;  // before their block's ENDBLK or table's ENDTAB
  std::vector<OdDbObjectId> others;  // end of OBJECTS

  bool empty() const { return layout_entities.empty() && members.empty() && others.empty(); }
};

// The objects of the document's records, which are written with their records.
std::set<OdDbObjectId> objects_with_records(const OdDxfDocument& document) {
  std::set<OdDbObjectId> ids;
  for (const od_dxf_section& section : document.sections)
    for (const od_dxf_record& record : section.records)
      if (record.object.isValid()) ids.insert(record.object);
  return ids;
}

new_objects collect_new_objects(const OdDbDatabase& db, const OdDxfDocument& document) {
  new_objects found;
  const std::set<OdDbObjectId> recorded = objects_with_records(document);
  for (const OdDbObjectId& id : db.objectIds()) {
    const OdDbObject* object = id.peekObject();
    if (id.getHandle() < document.seed_after_reading || !object || object->isErased() || recorded.count(id)) continue;
    const OdDbObjectId owner = object->ownerId();
    if (object->isKindOf(OdDbBlockTableRecord::desc()) || object->isKindOf(OdDbSymbolTable::desc()))
      throw OdDxfError(eNotImplemented, "a new " + class_name(*object) + " (handle " + id.getHandle().ascii().toUtf8() +
                                            ") cannot be written to DXF");
    if (object->isKindOf(OdDbEntity::desc()) && (owner == db.getModelSpaceId() || owner == db.getPaperSpaceId()))
      found.layout_entities.push_back(id);
    else if (object->isKindOf(OdDbEntity::desc()) || object->isKindOf(OdDbSymbolTableRecord::desc()))
      found.members[owner].push_back(id);
    else
      found.others.push_back(id);
  }
  return found;
}

class dxf_writer {
public:
  dxf_writer(const OdDxfDocument& document, OdDbDatabase& database)
      : m_doc(document),
        m_db(database),
        m_new(collect_new_objects(database, document)),
        m_links(database, document, m_new.others,
                OdDbHandle(std::max<std::uint64_t>(database.handseed(), document.reserved_seed))) {
    m_context.database = &database;
    m_context.version = document.version;
    m_context.recordByHandle = [&document](std::uint64_t handle) { return document.recordByHandle(handle); };
  }

  std::string write() {
    find_dropped_columns();
    m_out = m_doc.style.prefix;
    for (const od_dxf_section& section : m_doc.sections) {
      if (section.name() == "OBJECTS") write_entities_section_if_missing();
      write_section(section);
    }
    write_entities_section_if_missing();
    check_all_new_written();
    write_tags(m_doc.eof);
    m_out += m_doc.style.tail;
    return std::move(m_out);
  }

private:
  void write_tags(const OdDxfTags& tags) {
    for (const OdDxfTag& tag : tags) {
      m_doc.style.append_code(m_out, tag);
      m_doc.style.append_value(m_out, tag);
    }
  }

  void write_section(const od_dxf_section& section) {
    const std::string name = section.name();
    write_tags(name == "HEADER" ? od_dxf_header_for_writing(m_doc, section.head, m_db, new_seed()) : section.head);
    for (const od_dxf_record& record : section.records) {
      if (record.container.isValid()) write_new_members(record.container);
      write_record(record);
    }
    if (name == "ENTITIES") write_new_layout_entities();
    if (name == "OBJECTS") {
      write_new(m_new.others);
      for (const OdDxfTags& dictionary : m_links.dictionaries()) write_tags(dictionary);
    }
    write_tags(section.end);
  }

  // A drawing without an ENTITIES section (a blocks-only file) gets one
  // when entities were added to model or paper space.
  void write_entities_section_if_missing() {
    if (m_new.layout_entities.empty() || m_doc.section("ENTITIES")) return;
    write_tags({OdDxfTag{0, "SECTION", 0}, OdDxfTag{2, "ENTITIES", 0}});
    write_new_layout_entities();
    write_tags({OdDxfTag{0, "ENDSEC", 0}});
  }

  void write_new_layout_entities() {
    write_new(m_new.layout_entities);
    m_new.layout_entities.clear();
  }

  void write_new_members(const OdDbObjectId& container) {
    const auto it = m_new.members.find(container);
    if (it == m_new.members.end()) return;
    write_new(it->second);
    m_new.members.erase(it);
  }

  void check_all_new_written() const {
    if (!m_new.members.empty()) {
      const OdDbObjectId& id = m_new.members.begin()->second.front();
      throw OdDxfError(eNotImplemented, "the new " + class_name(*id.peekObject()) + " (handle " +
                                            id.getHandle().ascii().toUtf8() + ") belongs to a block or table "
                                            "the file does not have");
    }
    // Fields cannot live in a drawing without OBJECTS (R12); their texts keep
    // what they show, as drawing programs do when saving to R12.
    const auto unwritable = std::find_if(m_new.others.begin(), m_new.others.end(), [](const OdDbObjectId& id) {
      return !id.peekObject()->isKindOf(OdDbField::desc());
    });
    if (unwritable != m_new.others.end() && !m_doc.section("OBJECTS")) {
      const OdDbObjectId& id = *unwritable;
      throw OdDxfError(eNotImplemented, "the new " + class_name(*id.peekObject()) +
                                            " needs an OBJECTS section, which this drawing's version has not");
    }
  }

  // An MTEXT saved before R2018 keeps its later columns in records of their
  // own, whose text the reader gave to the first record's object. Once that
  // object is written with its whole text (or erased), they are dropped.
  void find_dropped_columns() {
    for (const od_dxf_section& section : m_doc.sections)
      for (const od_dxf_record& record : section.records) {
        if (!record.mapped || record.kind() != "MTEXT") continue;
        const std::vector<std::uint64_t> linked = odDxfLinkedColumnRecords(record.tags);
        if (linked.empty()) continue;
        const OdDbObject* object = record.object.peekObject();
        std::vector<std::uint64_t> kept;
        if (object && !object->isErased())
          kept = odDxfLinkedColumnRecords(tags_of(*object, record.tags, record.tags.front().line));
        for (std::uint64_t handle : linked)
          if (std::find(kept.begin(), kept.end(), handle) == kept.end()) m_dropped_columns.insert(handle);
      }
  }

  void write_record(const od_dxf_record& record) {
    const OdDbObject* object = record.object.peekObject();
    if (record.object.isValid() && (!object || object->isErased())) return;
    if (!record.mapped && m_dropped_columns.count(od_dxf_record_handle(record.tags))) return;
    if (!record.mapped) {
      write_tags(record.kind() == "TABLE" ? counted_table(record) : record.tags);
      return;
    }
    OdDxfTags tags = tags_of(*object, record.tags, record.tags.front().line);
    m_links.add_to_record(*object, tags);
    if (!m_doc.has_handles && !od_dxf_find(record.tags, 5)) drop_handles(tags);
    write_tags(tags);
  }

  // A table's entry count (group 70) grows by the records added to it.
  OdDxfTags counted_table(const od_dxf_record& record) const {
    OdDxfTags tags = record.tags;
    const auto added = m_new.members.find(record.object);
    if (added == m_new.members.end() || record.object.isNull()) return tags;
    for (OdDxfTag& tag : tags)
      if (tag.code == 70) {
        int count = 0;
        if (od_dxf_parse_code(tag.value, count))
          tag.value = std::to_string(count + static_cast<int>(added->second.size()));
        break;
      }
    return tags;
  }

  void write_new(const std::vector<OdDbObjectId>& ids) {
    for (const OdDbObjectId& id : ids) {
      const OdDbObject& object = *id.peekObject();
      OdDxfTags tags = tags_of(object, {}, 0);
      if (tags.empty() || tags.front().code != 0)
        throw OdDxfError(eNotImplemented, "a new " + class_name(object) + " cannot be written to DXF");
      m_links.add_to_record(object, tags);
      if (!m_doc.has_handles) drop_handles(tags);
      write_tags(tags);
    }
  }

  OdDxfTags tags_of(const OdDbObject& object, const OdDxfTags& original, std::size_t line) const {
    try {
      return odDxfTagsFromObject(object, original, m_context);
    } catch (const OdDxfError&) {
      throw;
    } catch (const OdError& error) {
      throw OdDxfError(error.code(), class_name(object) + " " + object.handle().ascii().toUtf8() + ": " + error.what(),
                       line);
    } catch (const std::exception& error) {
      throw OdDxfError(eInvalidInput, class_name(object) + " " + object.handle().ascii().toUtf8() + ": " + error.what(),
                       line);
    }
  }

  // The seed above every handle written, when anything was added; else null.
  OdDbHandle new_seed() const {
    if (m_new.empty()) return OdDbHandle();
    return OdDbHandle(std::max<std::uint64_t>({m_db.handseed(), m_doc.reserved_seed, m_links.next_handle()}));
  }

  // A drawing written without handles gets none from us either.
  static void drop_handles(OdDxfTags& tags) {
    std::erase_if(tags, [](const OdDxfTag& tag) { return tag.code == 5; });
  }

  const OdDxfDocument& m_doc;
  OdDbDatabase& m_db;
  OdDxfContext m_context;
  new_objects m_new;
  od_dxf_field_links m_links;
  std::string m_out;
  std::set<std::uint64_t> m_dropped_columns;  // linked column records no longer written
};

}  // namespace

std::string odDxfWriteBytes(OdDbDatabase* database) {
  if (!database) throw OdDxfError(eNullObjectPointer, "no drawing to write");
  // A drawing made in memory is written into a frame made for it each time.
  const std::shared_ptr<OdDxfDocument> document =
      database->dxfDocument() ? database->dxfDocument() : od_dxf_new_document(*database);
  return dxf_writer(*document, *database).write();
}

void odDxfWriteFile(OdDbDatabase* database, const std::string& path) {
  // The whole file is made before the target is touched.
  od_dxf_replace_file(path, odDxfWriteBytes(database));
}
