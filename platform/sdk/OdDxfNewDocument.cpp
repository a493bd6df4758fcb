#include "platform/sdk/OdDxfNewDocument.h"

#include <utility>
#include <vector>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDxfHeader.h"

namespace {

using tag_list = std::initializer_list<std::pair<int, std::string>>;

od_dxf_record record_of(tag_list tags, const OdDbObjectId& object = OdDbObjectId::kNull,
                        const OdDbObjectId& container = OdDbObjectId::kNull) {
  od_dxf_record record;
  for (const auto& [code, value] : tags) record.tags.push_back(OdDxfTag{code, value, 0});
  record.object = object;
  record.container = container;
  return record;
}

od_dxf_section section_of(const std::string& name) {
  od_dxf_section section;
  section.head = {OdDxfTag{0, "SECTION", 0}, OdDxfTag{2, name, 0}};
  section.end = {OdDxfTag{0, "ENDSEC", 0}};
  return section;
}

std::string hex(const OdDbObjectId& id) { return id.getHandle().ascii().toUtf8(); }

// Builds the frame; records of its own take handles from the database's seed up.
class frame_builder {
public:
  explicit frame_builder(const OdDbDatabase& db) : m_db(db), m_next(db.handseed()) {}

  std::shared_ptr<OdDxfDocument> build() {
    auto document = std::make_shared<OdDxfDocument>();
    document->style.line_end = "\r\n";
    document->version = 1015;
    document->seed_after_reading = OdDbHandle(1);  // every object of the database is written as new
    document->sections = {header(), section_of("CLASSES"), tables(), blocks(), section_of("ENTITIES"), objects()};
    document->eof = {OdDxfTag{0, "EOF", 0}};
    document->reserved_seed = m_next;
    document->index_handles();
    return document;
  }

private:
  std::string next_handle() {
    const std::string text = m_next.ascii().toUtf8();
    ++m_next;
    return text;
  }

  void variable(od_dxf_section& section, const char* name, int code) {
    if (!m_db.hasSysVar(OdString::fromUtf8(name))) return;
    section.head.push_back(OdDxfTag{9, std::string("$") + name, 0});
    section.head.push_back(OdDxfTag{code, od_dxf_header_value_text(m_db.getSysVar(OdString::fromUtf8(name))), 0});
  }

  od_dxf_section header() {
    od_dxf_section section = section_of("HEADER");
    section.head.insert(section.head.end(), {OdDxfTag{9, "$ACADVER", 0}, OdDxfTag{1, "AC1015", 0},
                                             OdDxfTag{9, "$HANDSEED", 0}, OdDxfTag{5, "0", 0}});
    variable(section, "TEXTSIZE", 40);
    variable(section, "TEXTSTYLE", 7);
    variable(section, "CLAYER", 8);
    variable(section, "DIMSCALE", 40);
    variable(section, "LUPREC", 70);
    return section;
  }

  static std::string count_of(const OdDbObjectId& table) {
    return std::to_string(static_cast<const OdDbSymbolTable*>(table.peekObject())->recordIds().size());
  }

  // A table the database does not model, with the entries drawing programs
  // expect in every drawing; each entry is given after its handle and owner.
  void fixed_table(od_dxf_section& section, const char* name, const char* subclass,
                   std::vector<std::vector<std::pair<int, std::string>>> entries, int handle_code = 5) {
    const std::string table = next_handle();
    section.records.push_back(record_of({{0, "TABLE"}, {2, name}, {5, table}, {330, "0"}, {100, "AcDbSymbolTable"},
                                         {70, std::to_string(entries.size())}}));
    for (const auto& entry : entries) {
      od_dxf_record record = record_of({{0, name}, {handle_code, next_handle()}, {330, table},
                                        {100, "AcDbSymbolTableRecord"}, {100, subclass}});
      for (const auto& [code, value] : entry) record.tags.push_back(OdDxfTag{code, value, 0});
      section.records.push_back(std::move(record));
    }
    section.records.push_back(record_of({{0, "ENDTAB"}}));
  }

  void fixed_tables_before(od_dxf_section& section) {
    fixed_table(section, "VPORT", "AcDbViewportTableRecord",
                {{{2, "*ACTIVE"}, {70, "0"}, {10, "0.0"}, {20, "0.0"}, {11, "1.0"}, {21, "1.0"}, {12, "0.0"},
                  {22, "0.0"}, {40, "100.0"}, {41, "1.5"}}});
    const auto line_type = [](const char* name, const char* description) {
      return std::vector<std::pair<int, std::string>>{{2, name}, {70, "0"}, {3, description}, {72, "65"},
                                                      {73, "0"}, {40, "0.0"}};
    };
    fixed_table(section, "LTYPE", "AcDbLinetypeTableRecord",
                {line_type("ByBlock", ""), line_type("ByLayer", ""), line_type("Continuous", "Solid line")});
  }

  void fixed_tables_after(od_dxf_section& section) {
    fixed_table(section, "VIEW", "AcDbViewTableRecord", {});
    fixed_table(section, "UCS", "AcDbUCSTableRecord", {});
    fixed_table(section, "APPID", "AcDbRegAppTableRecord", {{{2, "ACAD"}, {70, "0"}}});
    fixed_table(section, "DIMSTYLE", "AcDbDimStyleTableRecord", {{{2, "Standard"}, {70, "0"}}}, 105);
  }

  // A table whose records the writer adds as new objects before its ENDTAB.
  void table(od_dxf_section& section, const char* name, const OdDbObjectId& id) {
    section.records.push_back(record_of({{0, "TABLE"}, {2, name}, {5, hex(id)}, {330, "0"},
                                         {100, "AcDbSymbolTable"}, {70, count_of(id)}}, id));
    section.records.push_back(record_of({{0, "ENDTAB"}}, OdDbObjectId::kNull, id));
  }

  od_dxf_section tables() {
    od_dxf_section section = section_of("TABLES");
    fixed_tables_before(section);
    table(section, "LAYER", m_db.getLayerTableId());
    table(section, "STYLE", m_db.getTextStyleTableId());
    fixed_tables_after(section);
    const OdDbObjectId blocks = m_db.getBlockTableId();
    section.records.push_back(record_of({{0, "TABLE"}, {2, "BLOCK_RECORD"}, {5, hex(blocks)}, {330, "0"},
                                         {100, "AcDbSymbolTable"}, {70, count_of(blocks)}}, blocks));
    for (const OdDbObjectId& id : m_db.blockTable()->recordIds()) {
      const auto* block = static_cast<const OdDbBlockTableRecord*>(id.peekObject());
      section.records.push_back(record_of({{0, "BLOCK_RECORD"}, {5, hex(id)}, {330, hex(blocks)},
                                           {100, "AcDbSymbolTableRecord"}, {100, "AcDbBlockTableRecord"},
                                           {2, block->getName().toUtf8()}}, id));
    }
    section.records.push_back(record_of({{0, "ENDTAB"}}));
    return section;
  }

  // Every block opens and closes in BLOCKS; new entities of a named block go before its ENDBLK.
  od_dxf_section blocks() {
    od_dxf_section section = section_of("BLOCKS");
    for (const OdDbObjectId& id : m_db.blockTable()->recordIds()) {
      const std::string name = static_cast<const OdDbBlockTableRecord*>(id.peekObject())->getName().toUtf8();
      const std::string paper = id == m_db.getPaperSpaceId() ? "1" : "0";
      section.records.push_back(record_of({{0, "BLOCK"}, {5, next_handle()}, {330, hex(id)}, {100, "AcDbEntity"},
                                           {67, paper}, {8, "0"}, {100, "AcDbBlockBegin"}, {2, name}, {70, "0"},
                                           {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, name}, {1, ""}}));
      section.records.push_back(record_of({{0, "ENDBLK"}, {5, next_handle()}, {330, hex(id)}, {100, "AcDbEntity"},
                                           {67, paper}, {8, "0"}, {100, "AcDbBlockEnd"}},
                                          OdDbObjectId::kNull, id));
    }
    return section;
  }

  od_dxf_section objects() {
    od_dxf_section section = section_of("OBJECTS");
    const std::string root = next_handle(), groups = next_handle();
    section.records.push_back(record_of({{0, "DICTIONARY"}, {5, root}, {330, "0"}, {100, "AcDbDictionary"},
                                         {281, "1"}, {3, "ACAD_GROUP"}, {350, groups}}));
    section.records.push_back(record_of({{0, "DICTIONARY"}, {5, groups}, {330, root}, {100, "AcDbDictionary"},
                                         {281, "1"}}));
    return section;
  }

  const OdDbDatabase& m_db;
  OdDbHandle m_next;
};

}  // namespace

std::shared_ptr<OdDxfDocument> od_dxf_new_document(const OdDbDatabase& database) {
  return frame_builder(database).build();
}
