#include "platform/sdk/OdDxfHeader.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDxfFile.h"

namespace {

constexpr const char* kTravelling[] = {"TEXTSIZE", "TEXTSTYLE", "DIMSCALE", "TEXTEVAL",  "TEXTALLCAPS", "LUPREC",
                                       "CLAYER",   "ACADVER",   "HANDSEED", "HANDLING", "DWGCODEPAGE",
                                       "TILEMODE"};

bool travels(std::string_view name) {
  for (const char* known : kTravelling)
    if (name == known) return true;
  return false;
}

// The variable's name without '$', upper case.
std::string variable_name(const OdDxfTag& tag) {
  std::string name(od_dxf_trim(tag.value));
  if (!name.empty() && name[0] == '$') name.erase(0, 1);
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

// Index of the first value tag of each variable in the head, by name.
std::map<std::string, std::size_t> variable_values(const OdDxfTags& head) {
  std::map<std::string, std::size_t> found;
  for (std::size_t i = 0; i + 1 < head.size(); ++i)
    if (head[i].code == 9 && head[i + 1].code != 9) found.emplace(variable_name(head[i]), i + 1);
  return found;
}

bool is_real_code(int code) { return (code >= 38 && code <= 59) || (code >= 140 && code <= 149); }
bool is_int_code(int code) {
  return (code >= 60 && code <= 99) || (code >= 170 && code <= 179) || (code >= 270 && code <= 299);
}

OdResBuf value_of(const std::string& name, const OdDxfTag& tag) {
  const std::string_view text = od_dxf_trim(tag.value);
  const auto bad = [&](const char* kind) {
    return OdDxfError(eInvalidInput, "$" + name + " takes " + kind + ", found '" + tag.value + "'", tag.line + 1);
  };
  if (is_real_code(tag.code)) {
    double value = 0.0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size() || !std::isfinite(value)) throw bad("a number");
    return OdResBuf::real(value);
  }
  if (is_int_code(tag.code)) {
    long value = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
    if (r.ec != std::errc() || r.ptr != text.data() + text.size()) throw bad("a whole number");
    if (tag.code >= 90 && tag.code <= 99) return OdResBuf::int32(static_cast<std::int32_t>(value));
    if (value < -32768 || value > 32767) throw bad("a 16-bit whole number");
    return OdResBuf::int16(static_cast<std::int16_t>(value));
  }
  return OdResBuf::string(OdString::fromUtf8(tag.value), tag.code);
}

bool is_number(const OdResBuf& value) { return value.isReal() || value.isInt16() || value.isInt32(); }

bool same_value(const OdResBuf& a, const OdResBuf& b) {
  if (a.isReal() || b.isReal()) return is_number(a) && is_number(b) && a.getDouble() == b.getDouble();
  if (a.isInt16() || a.isInt32()) return (b.isInt16() || b.isInt32()) && a.getInt32() == b.getInt32();
  if (a.isString()) return b.isString() && a.getString() == b.getString();
  return false;
}

}  // namespace

std::string od_dxf_header_value_text(const OdResBuf& value) {
  if (value.isReal()) {
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value.getDouble());
    return std::string(buffer, r.ptr);
  }
  if (value.isInt16() || value.isInt32()) return std::to_string(value.getInt32());
  return value.getString().toUtf8();
}

namespace {

int version_from(const std::string& acadver) {
  int version = 0;
  const std::string_view text = od_dxf_trim(acadver);
  if (text.size() < 3 || text.substr(0, 2) != "AC") return 0;
  std::from_chars(text.data() + 2, text.data() + text.size(), version);
  return version;
}

// A drawing without $ACADVER: subclass markers (group 100) came with R13.
int version_from_records(const OdDxfDocument& document) {
  for (const od_dxf_section& section : document.sections)
    for (const od_dxf_record& record : section.records)
      if (od_dxf_find(record.tags, 100)) return 1015;
  return 1009;
}

bool any_record_has_handle(const OdDxfDocument& document) {
  for (const od_dxf_section& section : document.sections)
    for (const od_dxf_record& record : section.records)
      if (!od_dxf_record_handle(record.tags).isNull()) return true;
  return false;
}

// A variable the reader itself relies on, which must be a whole number.
int whole_number_of(const std::string& name, const OdResBuf& value, const OdDxfTag& tag) {
  if (!value.isInt16() && !value.isInt32())
    throw OdDxfError(eInvalidInput, "$" + name + ": expected a whole number (group code 70), found group code " +
                                        std::to_string(tag.code), tag.line + 1);
  return value.getInt32();
}

}  // namespace

void od_dxf_read_header(OdDxfDocument& document, OdDbDatabase& database) {
  const od_dxf_section* header = document.section("HEADER");
  int handling = 1;
  if (header)
    for (const auto& [name, index] : variable_values(header->head)) {
      if (!travels(name)) continue;
      const OdDxfTag& tag = header->head[index];
      const OdResBuf value = value_of(name, tag);
      if (name == "ACADVER") document.version = version_from(tag.value);
      if (name == "HANDLING") handling = whole_number_of("HANDLING", value, tag);
      if (name == "HANDSEED" && !value.isString())
        throw OdDxfError(eInvalidInput, "$HANDSEED: expected a handle (group code 5), found group code " +
                                            std::to_string(tag.code), tag.line + 1);
      try {
        database.setSysVar(OdString::fromUtf8(name), value);
      } catch (const OdError& error) {
        throw OdDxfError(eInvalidInput, "$" + name + ": " + error.what(), tag.line + 1);
      }
      document.header_values[name] = database.getSysVar(OdString::fromUtf8(name));
    }
  if (document.version == 0 || !document.header_values.count("ACADVER"))
    document.version = version_from_records(document);
  // A drawing saved with a layout showing opens in that layout's paper space.
  database.setSysVar(u"CVPORT", OdResBuf::int16(database.getTILEMODE() == 0 ? 1 : 2));
  document.has_handles = handling != 0 && any_record_has_handle(document);
}

OdDxfTags od_dxf_header_for_writing(const OdDxfDocument& document, const OdDxfTags& head,
                                    const OdDbDatabase& database, OdDbHandle new_seed) {
  OdDxfTags tags = head;
  for (const auto& [name, index] : variable_values(head)) {
    if (name == "HANDSEED") {
      if (!new_seed.isNull()) tags[index].value = new_seed.ascii().toUtf8();
      continue;
    }
    const auto read = document.header_values.find(name);
    if (read == document.header_values.end()) continue;
    const OdResBuf now = database.getSysVar(OdString::fromUtf8(name));
    if (!same_value(now, read->second)) tags[index].value = od_dxf_header_value_text(now);
  }
  return tags;
}
