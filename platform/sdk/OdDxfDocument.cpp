#include "platform/sdk/OdDxfDocument.h"

#include "platform/sdk/OdDxfFile.h"

namespace {

constexpr int kComment = 999;

// Walks the tags of a file section by section.
class structure_reader {
public:
  explicit structure_reader(od_dxf_tokens& tokens) : m_tags(tokens.tags), m_lineCount(tokens.line_count) {}

  void read(OdDxfDocument& document) {
    while (true) {
      const std::size_t start = m_pos;
      skip_comments();
      const std::string_view kind = expect_top_level();
      if (kind == "EOF") {
        document.eof.assign(m_tags.begin() + static_cast<long>(start), m_tags.end());
        return;
      }
      document.sections.push_back(read_section(start));
    }
  }

private:
  bool at_end() const { return m_pos >= m_tags.size(); }
  // The line after the last one: where a missing tag was expected.
  std::size_t end_line() const { return m_lineCount + 1; }
  std::string_view value_at(std::size_t i) const { return od_dxf_trim(m_tags[i].value); }

  void skip_comments() {
    while (!at_end() && m_tags[m_pos].code == kComment) ++m_pos;
  }

  // "SECTION" or "EOF" at m_pos.
  std::string_view expect_top_level() const {
    if (at_end()) throw OdDxfError(eInvalidInput, "expected 0/SECTION or 0/EOF, found the end of the file", end_line());
    const OdDxfTag& tag = m_tags[m_pos];
    const std::string_view kind = value_at(m_pos);
    if (tag.code != 0 || (kind != "SECTION" && kind != "EOF"))
      throw OdDxfError(eInvalidInput,
                       "expected 0/SECTION or 0/EOF, found " + std::to_string(tag.code) + "/'" + tag.value + "'",
                       tag.line);
    return kind;
  }

  od_dxf_section read_section(std::size_t start) {
    const std::size_t section_line = m_tags[m_pos].line;
    ++m_pos;
    if (at_end() || m_tags[m_pos].code != 2)
      throw OdDxfError(eInvalidInput, "expected the section's name (group code 2) after SECTION",
                       at_end() ? end_line() : m_tags[m_pos].line);
    const std::string name(value_at(m_pos));
    od_dxf_section section;
    const std::size_t first_record = next_zero(m_pos);
    section.head.assign(m_tags.begin() + static_cast<long>(start), m_tags.begin() + static_cast<long>(first_record));
    m_pos = first_record;
    while (true) {
      if (at_end())
        throw OdDxfError(eInvalidInput,
                         "section " + name + " (line " + std::to_string(section_line) +
                             ") has no ENDSEC: expected 0/ENDSEC, found the end of the file",
                         end_line());
      const std::string_view kind = value_at(m_pos);
      if (kind == "ENDSEC") break;
      if (kind == "SECTION" || kind == "EOF")
        throw OdDxfError(eInvalidInput,
                         "section " + name + " (line " + std::to_string(section_line) +
                             ") has no ENDSEC: expected 0/ENDSEC, found 0/" + std::string(kind),
                         m_tags[m_pos].line);
      const std::size_t stop = next_zero(m_pos);
      od_dxf_record record;
      record.tags.assign(m_tags.begin() + static_cast<long>(m_pos), m_tags.begin() + static_cast<long>(stop));
      section.records.push_back(std::move(record));
      m_pos = stop;
    }
    section.end.push_back(m_tags[m_pos++]);
    return section;
  }

  // The index of the next "0" tag after `i`, or the end.
  std::size_t next_zero(std::size_t i) const {
    ++i;
    while (i < m_tags.size() && m_tags[i].code != 0) ++i;
    return i;
  }

  OdDxfTags& m_tags;
  std::size_t m_lineCount;
  std::size_t m_pos = 0;
};

}  // namespace

std::string_view od_dxf_record::kind() const { return tags.empty() ? std::string_view() : od_dxf_trim(tags[0].value); }

std::string od_dxf_section::name() const {
  const OdDxfTag* tag = od_dxf_find(head, 2);
  return tag ? std::string(od_dxf_trim(tag->value)) : std::string();
}

od_dxf_section* OdDxfDocument::section(std::string_view name) {
  for (od_dxf_section& s : sections)
    if (s.name() == name) return &s;
  return nullptr;
}

const od_dxf_section* OdDxfDocument::section(std::string_view name) const {
  return const_cast<OdDxfDocument*>(this)->section(name);
}

const OdDxfTags* OdDxfDocument::recordByHandle(std::uint64_t handle) const {
  const auto it = m_byHandle.find(handle);
  if (it == m_byHandle.end()) return nullptr;
  return &sections[it->second.first].records[it->second.second].tags;
}

void OdDxfDocument::index_handles() {
  m_byHandle.clear();
  for (std::size_t s = 0; s < sections.size(); ++s)
    for (std::size_t r = 0; r < sections[s].records.size(); ++r) {
      const OdDbHandle handle = od_dxf_record_handle(sections[s].records[r].tags);
      if (!handle.isNull()) m_byHandle.emplace(handle, std::make_pair(s, r));
    }
}

OdDxfDocument od_dxf_parse_document(std::string_view bytes) {
  od_dxf_tokens tokens = od_dxf_tokenize(bytes);
  OdDxfDocument document;
  structure_reader(tokens).read(document);
  document.style = std::move(tokens.style);
  document.index_handles();
  return document;
}

const OdDxfTag* od_dxf_find(const OdDxfTags& tags, int code) {
  for (const OdDxfTag& tag : tags)
    if (tag.code == code) return &tag;
  return nullptr;
}

OdDbHandle od_dxf_handle_of(const std::string& value) {
  return OdDbHandle(OdString::fromUtf8(od_dxf_trim(value)));
}

OdDbHandle od_dxf_record_handle(const OdDxfTags& record) {
  if (record.size() < 2) return OdDbHandle();
  // Only the record's own tags before any application group: group 5 also
  // appears inside XDATA (1005 is separate, but some writers misuse 5 there).
  const bool dimstyle = od_dxf_trim(record[0].value) == "DIMSTYLE";
  const OdDxfTag* found = nullptr;
  for (std::size_t i = 1; i < record.size() && record[i].code != 1001; ++i) {
    if (record[i].code == 105 && dimstyle) return od_dxf_handle_of(record[i].value);
    if (record[i].code == 5 && !found) found = &record[i];
  }
  return found ? od_dxf_handle_of(found->value) : OdDbHandle();
}
