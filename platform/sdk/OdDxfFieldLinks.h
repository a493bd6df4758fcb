// The dictionaries that tie a field added since reading to its text in a
// DXF file: the text's extension dictionary holds "ACAD_FIELD", a
// dictionary whose "TEXT" entry is the field — the path the reader follows
// back (odDxfLinkFields).
//
// Links are made for a new field under the name "TEXT" of a text that is
// new, or read from a record without an extension dictionary; a record that
// has one keeps it as it is. Drawings without an OBJECTS section (R12) or
// without handles get no links.
#pragma once

#include <map>
#include <vector>

#include "platform/sdk/OdDxfDocument.h"

class OdDbDatabase;
class OdDbObject;

class od_dxf_field_links {
public:
  // `next` is the first handle the dictionaries may take.
  od_dxf_field_links(const OdDbDatabase& database, const OdDxfDocument& document,
                     const std::vector<OdDbObjectId>& new_fields, OdDbHandle next);

  bool empty() const { return m_links.empty(); }
  // Above every handle the dictionaries take.
  OdDbHandle next_handle() const { return m_next; }
  // The text's record tags get the extension-dictionary group, the field's
  // record its field-list dictionary as owner.
  void add_to_record(const OdDbObject& object, OdDxfTags& tags) const;
  // The dictionary records, written at the end of OBJECTS.
  std::vector<OdDxfTags> dictionaries() const;

private:
  struct link {
    OdDbObjectId text, field;
    std::string extension, field_list;  // the two dictionaries' handles
  };

  std::vector<link> m_links;
  std::map<OdDbObjectId, std::size_t> m_byObject;  // text or field -> link
  OdDbHandle m_next;
};
