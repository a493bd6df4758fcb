// Reading an ASCII DXF file into a database: the document keeps every
// record's tags, and the records of the kinds the module edits become
// database objects under their file handles.
#include <cstdint>
#include <memory>
#include <set>
#include <vector>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdDxfDocument.h"
#include "platform/sdk/OdDxfFile.h"
#include "platform/sdk/OdDxfFileIo.h"
#include "platform/sdk/OdDxfHeader.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"

OdDxfError::OdDxfError(OdResult code, const std::string& message, std::size_t line)
    : OdError(code, line ? "line " + std::to_string(line) + ": " + message : message),
      m_line(line),
      m_message(message) {}

namespace {

bool is_kind(const OdDbObject* object, const OdRxClass* cls) { return object && object->isKindOf(cls); }

std::string name_in(const od_dxf_record& record) {
  const OdDxfTag* tag = od_dxf_find(record.tags, 2);
  return tag ? std::string(od_dxf_trim(tag->value)) : std::string();
}

// Fills an empty database from a document, section by section.
class database_filler {
public:
  database_filler(OdDxfDocument& document, OdDbDatabase& database) : m_doc(document), m_db(database) {
    m_context.database = &database;
    m_context.recordByHandle = [&document](std::uint64_t handle) { return document.recordByHandle(handle); };
  }

  void fill() {
    od_dxf_read_header(m_doc, m_db);
    m_context.version = m_doc.version;
    reserve_file_handles();
    read_tables();
    m_db.adoptBuiltIns(m_blocks, m_layers, m_styles);
    m_blocks = m_db.getBlockTableId();
    find_linked_columns();
    read_blocks();
    read_entities();
    read_objects();
    link_fields();
    settle_texts();
    m_doc.seed_after_reading = m_db.handseed();
  }

private:
  // Objects the file has no handle for take handles above all of the file's.
  void reserve_file_handles() {
    std::uint64_t highest = 0;
    for (const od_dxf_section& section : m_doc.sections)
      for (const od_dxf_record& record : section.records)
        highest = std::max<std::uint64_t>(highest, od_dxf_record_handle(record.tags));
    if (highest == UINT64_MAX)
      throw OdDxfError(eInvalidInput, "the handle FFFFFFFFFFFFFFFF leaves no room for new ones");
    std::uint64_t seed = highest + 1;
    if (const auto it = m_doc.header_values.find("HANDSEED"); it != m_doc.header_values.end())
      seed = std::max<std::uint64_t>(seed, OdDbHandle(it->second.getString()));
    m_db.setHandseed(OdDbHandle(seed));
  }

  // Adds the record's object under the record's handle, or a new one when
  // the record has none or another record took it.
  OdDbObjectId add(od_dxf_record& record, OdDbObject* object, const OdDbObjectId& owner) {
    const OdDbHandle handle = od_dxf_record_handle(record.tags);
    const OdDbObjectId id = !handle.isNull() && m_db.getOdDbObjectId(handle).isNull()
                                ? m_db.addOdDbObject(object, owner, handle)
                                : m_db.addOdDbObject(object, owner);
    record.object = id;
    return id;
  }

  OdDbObjectPtr mapped(const od_dxf_record& record) {
    try {
      return odDxfObjectFromTags(record.tags, m_context);
    } catch (const OdDxfError&) {
      throw;
    } catch (const OdError& error) {
      throw OdDxfError(error.code(), std::string(record.kind()) + ": " + error.what(), record.tags.front().line);
    } catch (const std::exception& error) {
      throw OdDxfError(eInvalidInput, std::string(record.kind()) + ": " + error.what(), record.tags.front().line);
    }
  }

  void link_fields() {
    try {
      odDxfLinkFields(m_context);
    } catch (const OdDxfError&) {
      throw;
    } catch (const OdError& error) {
      throw OdDxfError(error.code(), std::string("fields: ") + error.what());
    }
  }

  // Texts not justified left are placed by their alignment point (align and
  // fit by both points), as drawing programs place them, whatever first
  // point the file stored; writing gives back the stored values while the
  // text keeps this placement.
  void settle_texts() {
    for (const od_dxf_section& section : m_doc.sections)
      for (const od_dxf_record& record : section.records) {
        OdDbObject* object = record.object.peekObject();
        if (!is_kind(object, OdDbText::desc())) continue;
        auto* text = static_cast<OdDbText*>(object);
        if (text->isDefaultAlignment()) continue;
        text->upgradeOpen();
        odDxfApply([&] { text->adjustAlignment(&m_db); });
      }
  }

  OdDbObjectId new_table(od_dxf_record* record) {
    OdDbObjectPtr table = OdDbSymbolTable::createObject();
    return record ? add(*record, table.get(), OdDbObjectId::kNull) : m_db.addOdDbObject(table.get());
  }

  // The table a mapped record belongs in: layers and styles by their class.
  OdDbObjectId& table_for(const OdDbObject* record, OdDbObjectId& current) {
    if (is_kind(record, OdDbLayerTableRecord::desc())) return m_layers;
    if (is_kind(record, OdDbTextStyleTableRecord::desc())) return m_styles;
    return current;
  }

  void add_table_record(od_dxf_record& record, OdDbSymbolTableRecord* object, OdDbObjectId& table_id) {
    if (table_id.isNull()) table_id = new_table(nullptr);
    OdDbSymbolTablePtr table(table_id.peekObject());
    // A record without a name or with a taken one stays tags only.
    if (object->getName().isEmpty() || table->has(object->getName())) return;
    add(record, object, table_id);
    table->add(object);
  }

  void read_table_record(od_dxf_record& record, const std::string& table_kind, OdDbObjectId& current) {
    if (record.kind() == "BLOCK_RECORD") {
      OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
      block->setName(OdString::fromUtf8(name_in(record)));
      add_table_record(record, block.get(), m_blocks);
      return;
    }
    // Only records of the table's own kind are mapped: anything misplaced
    // among the tables stays tags, since the database's tables are not
    // settled yet.
    if (record.kind() != table_kind) return;
    OdDbObjectPtr object = mapped(record);
    if (!object || !is_kind(object.get(), OdDbSymbolTableRecord::desc())) return;
    add_table_record(record, static_cast<OdDbSymbolTableRecord*>(object.get()), table_for(object.get(), current));
    record.mapped = record.object.isValid();
  }

  // Visits the records of every section of that name (a file may repeat one).
  template <class Visit>
  void for_records_in(const char* name, Visit&& visit) {
    for (od_dxf_section& section : m_doc.sections)
      if (section.name() == name)
        for (od_dxf_record& record : section.records) visit(record);
  }

  void read_tables() {
    OdDbObjectId current, none;
    std::string name;
    for_records_in("TABLES", [&](od_dxf_record& record) {
      if (record.kind() == "TABLE") {
        name = name_in(record);
        OdDbObjectId* table = name == "LAYER" ? &m_layers : name == "STYLE" ? &m_styles
                            : name == "BLOCK_RECORD" ? &m_blocks : &none;
        if (table != &none && table->isNull()) *table = new_table(&record);
        current = table == &none ? OdDbObjectId::kNull : *table;
      } else if (record.kind() == "ENDTAB") {
        record.container = current;
        current = OdDbObjectId::kNull;
        name.clear();
      } else {
        read_table_record(record, name, current);
      }
    });
  }

  // The block a BLOCK record opens: its block record by owner handle or
  // name, or a new one (R12 drawings have no block records).
  OdDbObjectId block_of(const od_dxf_record& record) {
    if (const OdDxfTag* owner = od_dxf_find(record.tags, 330)) {
      const OdDbObjectId id = m_db.getOdDbObjectId(od_dxf_handle_of(owner->value));
      if (is_kind(id.peekObject(), OdDbBlockTableRecord::desc())) return id;
    }
    const OdString name = OdString::fromUtf8(name_in(record));
    OdDbSymbolTablePtr table(m_blocks.peekObject());
    if (!name.isEmpty()) {
      if (const OdDbObjectId id = table->getAt(name); id.isValid()) return id;
    }
    OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::createObject();
    block->setName(name.isEmpty() ? OdString(u"*unnamed") : name);
    if (table->has(block->getName())) return m_db.addOdDbObject(block.get(), m_blocks);
    return table->add(block.get());
  }

  // The records holding the later columns of an MTEXT saved before R2018:
  // their text belongs to the first column's object, so they stay tags. Only
  // MTEXT records count, and only as listed by a first column: a later
  // column's own list (in a damaged file) names nothing.
  void find_linked_columns() {
    std::vector<od_dxf_record*> mtexts;
    for (const char* section : {"BLOCKS", "ENTITIES"})
      for_records_in(section, [&](od_dxf_record& record) {
        if (record.kind() == "MTEXT") mtexts.push_back(&record);
      });
    std::set<std::uint64_t> listed, mtext_handles;
    for (const od_dxf_record* record : mtexts) {
      mtext_handles.insert(od_dxf_record_handle(record->tags));
      for (std::uint64_t handle : odDxfLinkedColumnRecords(record->tags)) listed.insert(handle);
    }
    for (const od_dxf_record* record : mtexts) {
      if (listed.count(od_dxf_record_handle(record->tags))) continue;
      for (std::uint64_t handle : odDxfLinkedColumnRecords(record->tags))
        if (handle != 0 && mtext_handles.count(handle)) m_linked_columns.insert(handle);
    }
  }

  void read_entity(od_dxf_record& record, const OdDbObjectId& block) {
    if (m_linked_columns.count(od_dxf_record_handle(record.tags))) return;
    const OdDbObjectId reference = attribute_owner(record);
    OdDbObjectPtr object = mapped(record);
    if (!object) return;
    if (reference.isValid() && is_kind(object.get(), OdDbAttribute::desc())) {
      add(record, object.get(), reference);
      OdDbBlockReferencePtr owner(reference.peekObject());
      owner->upgradeOpen();
      owner->appendAttribute(static_cast<OdDbAttribute*>(object.get()));
    } else {
      add(record, object.get(), block);
      if (is_kind(object.get(), OdDbEntity::desc())) {
        OdDbBlockTableRecordPtr owner(block.peekObject());
        owner->upgradeOpen();
        owner->appendOdDbEntity(static_cast<OdDbEntity*>(object.get()));
      }
    }
    if (is_kind(object.get(), OdDbBlockReference::desc())) m_open_reference = record.object;
    record.mapped = true;
  }

  // The block reference an ATTRIB record belongs to: the INSERT its owner
  // handle names, else (R12 has no owners) the INSERT it follows, up to
  // that reference's SEQEND. Null for every other record.
  OdDbObjectId attribute_owner(const od_dxf_record& record) {
    const std::string_view kind = record.kind();
    if (kind != "ATTRIB") {
      m_open_reference = OdDbObjectId::kNull;
      return OdDbObjectId::kNull;
    }
    if (const OdDxfTag* owner = od_dxf_find(record.tags, 330)) {
      const OdDbObjectId id = m_db.getOdDbObjectId(od_dxf_handle_of(owner->value));
      if (is_kind(id.peekObject(), OdDbBlockReference::desc())) return id;
    }
    return m_open_reference;
  }

  void read_blocks() {
    OdDbObjectId block;
    for_records_in("BLOCKS", [&](od_dxf_record& record) {
      if (record.kind() == "BLOCK") {
        block = block_of(record);
      } else if (record.kind() == "ENDBLK") {
        record.container = block;
        block = OdDbObjectId::kNull;
      } else {
        read_entity(record, block.isValid() ? block : m_db.getModelSpaceId());
      }
    });
  }

  // Model space, paper space (group 67 = 1) or the block the owner handle names.
  OdDbObjectId space_of(const od_dxf_record& record) const {
    if (const OdDxfTag* owner = od_dxf_find(record.tags, 330)) {
      const OdDbObjectId id = m_db.getOdDbObjectId(od_dxf_handle_of(owner->value));
      if (is_kind(id.peekObject(), OdDbBlockTableRecord::desc())) return id;
    }
    const OdDxfTag* space = od_dxf_find(record.tags, 67);
    return space && od_dxf_trim(space->value) == "1" ? m_db.getPaperSpaceId() : m_db.getModelSpaceId();
  }

  void read_entities() {
    for_records_in("ENTITIES", [&](od_dxf_record& record) { read_entity(record, space_of(record)); });
  }

  void read_objects() {
    for_records_in("OBJECTS", [&](od_dxf_record& record) {
      OdDbObjectPtr object = mapped(record);
      if (!object) return;
      const OdDxfTag* owner = od_dxf_find(record.tags, 330);
      add(record, object.get(), owner ? m_db.getOdDbObjectId(od_dxf_handle_of(owner->value)) : OdDbObjectId::kNull);
      record.mapped = true;
    });
  }

  OdDxfDocument& m_doc;
  OdDbDatabase& m_db;
  OdDxfContext m_context;
  std::set<std::uint64_t> m_linked_columns;  // handles of later-column MTEXT records
  OdDbObjectId m_open_reference;              // the INSERT whose ATTRIB records are being read
  OdDbObjectId m_blocks, m_layers, m_styles;
};

}  // namespace

OdDbDatabasePtr odDxfReadBytes(std::string_view bytes, const std::string& name) {
  auto document = std::make_shared<OdDxfDocument>(od_dxf_parse_document(bytes));
  OdDbDatabasePtr database = OdDbDatabase::createEmpty();
  database_filler(*document, *database).fill();
  database->setFilename(OdString::fromUtf8(name));
  database->setDxfDocument(std::move(document));
  return database;
}

OdDbDatabasePtr odDxfReadFile(const std::string& path) { return odDxfReadBytes(od_dxf_read_bytes(path), path); }
