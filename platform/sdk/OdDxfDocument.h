// OdDxfDocument: a DXF drawing as it was read — its sections, the tags of
// every record and how its lines were written — kept beside the database so
// that writing the drawing back changes only what the module changed.
//
// Records are the tags from one "0" tag up to the next. A section's own tags
// (the header variables, the thumbnail's data) are its head. Nothing here
// knows what a record means; the reader and the writer do.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/sdk/OdDbObjectId.h"
#include "platform/sdk/OdDxfTokenizer.h"
#include "platform/sdk/OdResBuf.h"

struct od_dxf_record {
  OdDxfTags tags;
  // The database object made from this record, or null.
  OdDbObjectId object;
  // The object came from the mapping of module objects and is written through it.
  bool mapped = false;
  // For ENDBLK and ENDTAB: the block or table whose new members are written just before it.
  OdDbObjectId container;

  // The record's kind: the value of its "0" tag, trimmed ("TEXT", "ENDBLK").
  std::string_view kind() const;
};

struct od_dxf_section {
  // Comments, "0 SECTION", "2 name" and the section's own tags before its first record.
  OdDxfTags head;
  std::vector<od_dxf_record> records;
  // "0 ENDSEC".
  OdDxfTags end;

  std::string name() const;
};

class OdDxfDocument {
public:
  od_dxf_line_style style;
  std::vector<od_dxf_section> sections;
  // Comments and "0 EOF" after the last section.
  OdDxfTags eof;

  // The values the reader gave the database's header variables, by upper-case
  // name without '$', so the writer can tell which ones the module changed.
  std::map<std::string, OdResBuf> header_values;
  // The database's handle seed once it was filled: objects at or above it
  // were added since.
  OdDbHandle seed_after_reading;
  // Handles the document's own records use from the database's seed up
  // (a document made for a new drawing); $HANDSEED is written above them.
  OdDbHandle reserved_seed;
  // False for a drawing written without handles (R12 with $HANDLING 0).
  bool has_handles = true;
  // $ACADVER as a number ("AC1015" gives 1015).
  int version = 1009;

  od_dxf_section* section(std::string_view name);
  const od_dxf_section* section(std::string_view name) const;
  // The tags read under a handle, or null. index_handles must have run
  // since the sections last changed shape.
  const OdDxfTags* recordByHandle(std::uint64_t handle) const;
  void index_handles();

private:
  std::map<std::uint64_t, std::pair<std::size_t, std::size_t>> m_byHandle;  // section, record
};

// The document held by a whole file. Throws OdDxfError for anything the
// tokenizer refuses and for a broken structure: a top-level tag that is not
// a SECTION or EOF, a section without name or ENDSEC, a missing EOF.
OdDxfDocument od_dxf_parse_document(std::string_view bytes);

// The first tag of `code` in the tags, or null.
const OdDxfTag* od_dxf_find(const OdDxfTags& tags, int code);
// The handle a record names itself by (group 5, or 105 for a DIMSTYLE);
// the null handle when it has none or it is not hexadecimal.
OdDbHandle od_dxf_record_handle(const OdDxfTags& record);
// A handle value ("1F") read from a tag; null when it is not hexadecimal.
OdDbHandle od_dxf_handle_of(const std::string& value);
