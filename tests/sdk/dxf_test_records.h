// A small reader of ASCII DXF files for the mapping tests: records as tags,
// the $ACADVER number and records by handle. Independent of the project's
// own file reader on purpose.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/sdk/OdDxfObjectMap.h"
#include "platform/sdk/OdDxfRecord.h"
#include "tests/sdk/dxf_test_support.h"

struct dxf_test_file {
  std::vector<OdDxfTags> records;
  int version = 1009;
  std::map<std::uint64_t, std::size_t> byHandle;

  // Records of one type in file order.
  std::vector<const OdDxfTags*> ofType(const std::string& type) const {
    std::vector<const OdDxfTags*> found;
    for (const OdDxfTags& record : records)
      if (odDxfRecordType(record) == type) found.push_back(&record);
    return found;
  }
  const OdDxfTags* byHandleOrNull(std::uint64_t handle) const {
    const auto it = byHandle.find(handle);
    return it == byHandle.end() ? nullptr : &records[it->second];
  }
  OdDxfContext context(OdDbDatabase* database) const {
    OdDxfContext context;
    context.database = database;
    context.version = version;
    context.recordByHandle = [this](std::uint64_t handle) { return byHandleOrNull(handle); };
    return context;
  }
};

// Tags from text: pairs of lines, code then value, line ends \n or \r\n.
inline dxf_test_file dxf_test_parse(const std::string& text) {
  dxf_test_file file;
  std::istringstream in(text);
  std::string code, value;
  std::size_t line = 1;
  while (std::getline(in, code) && std::getline(in, value)) {
    if (!code.empty() && code.back() == '\r') code.pop_back();
    if (!value.empty() && value.back() == '\r') value.pop_back();
    const int group = std::stoi(code);
    if (group == 0 || file.records.empty()) file.records.emplace_back();
    file.records.back().push_back({group, value, line});
    line += 2;
  }
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    const OdDxfTags& record = file.records[i];
    for (std::size_t t = 0; t + 1 < record.size(); ++t)
      if (record[t].code == 9 && record[t].value == "$ACADVER") file.version = std::stoi(record[t + 1].value.substr(2));
    if (const std::uint64_t handle = odDxfRecordHandle(record)) file.byHandle.emplace(handle, i);
  }
  return file;
}

inline dxf_test_file dxf_test_read(const std::string& name) {
  return dxf_test_parse(dxf_test::read_bytes(dxf_test::shared_dxf_dir() + "/" + name));
}

// Tags from a compact snippet: "code|value" items separated by newlines.
inline OdDxfTags dxf_test_tags(const std::string& snippet) {
  OdDxfTags tags;
  std::istringstream in(snippet);
  std::string item;
  while (std::getline(in, item)) {
    const auto bar = item.find('|');
    if (bar == std::string::npos) continue;
    tags.push_back({std::stoi(item.substr(0, bar)), item.substr(bar + 1), 0});
  }
  return tags;
}
