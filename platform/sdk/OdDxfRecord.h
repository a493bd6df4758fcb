// Reading and patching the values of one DXF record by subclass and group code.
//
// A record's values live in parts: the tags after a subclass marker (group
// 100) up to the next marker, embedded object (101) or extended data
// (1001). Group codes repeat between parts (TEXT has two AcDbText parts),
// so every lookup names its part. A record without markers (R12) is one
// part. Groups in braces (102 "{ACAD_XDICTIONARY" ... 102 "}") are skipped.
//
// The patcher changes a value only where the model's value differs from
// what the tag reads as, and inserts a missing tag only when the model's
// value differs from what an absent tag means (or the tag is required), at
// the place the part's canonical code order gives it.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sdk/OdDxfTag.h"
#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdGeVector3d.h"
#include "platform/sdk/OdString.h"

// A half-open range of tag indices.
struct od_dxf_part {
  std::size_t begin = 0, end = 0;
};

// The part after the `occurrence`-th marker named `subclass` (any letter
// case); the whole body when the record has no markers or lacks that one.
od_dxf_part odDxfFindPart(const OdDxfTags& tags, std::string_view subclass, int occurrence = 0);
// The body from the first tag after the type to the first 1001 (extended data).
od_dxf_part odDxfBody(const OdDxfTags& tags);
// The index of the `nth` tag with `code` in the part, outside brace groups; npos when none.
std::size_t odDxfFind(const OdDxfTags& tags, const od_dxf_part& part, int code, int nth = 0);
// The record's type ("TEXT"), upper case, blanks trimmed.
std::string odDxfRecordType(const OdDxfTags& tags);
// The record's handle (group 5, or 105 in DIMSTYLE); 0 when none.
std::uint64_t odDxfRecordHandle(const OdDxfTags& tags);
// The handle in the extension-dictionary group (102 {ACAD_XDICTIONARY / 360); 0 when none.
std::uint64_t odDxfExtensionDictionary(const OdDxfTags& tags);
std::uint64_t odDxfParseHandle(const std::string& value);

class od_dxf_reader {
public:
  od_dxf_reader(const OdDxfTags& tags, int version) : m_tags(tags), m_version(version) {
    m_part = odDxfBody(tags);
  }
  od_dxf_reader& part(std::string_view subclass, int occurrence = 0);
  od_dxf_reader& whole() { m_part = odDxfBody(m_tags); return *this; }
  od_dxf_reader& range(const od_dxf_part& part) { m_part = part; return *this; }

  std::optional<double> real(int code) const;
  std::optional<long long> integer(int code) const;
  std::optional<OdString> string(int code, bool unicodeEscapes = true) const;
  std::optional<std::string> raw(int code) const;
  // x at `code`, y at code+10, z at code+20 (z 0 when absent); absent without x and y.
  std::optional<OdGePoint3d> point(int code) const;
  std::optional<OdGeVector3d> vector(int code) const;
  int version() const { return m_version; }

private:
  const OdDxfTags& m_tags;
  int m_version;
  od_dxf_part m_part;
};

class od_dxf_patcher {
public:
  od_dxf_patcher(OdDxfTags& tags, int version) : m_tags(tags), m_version(version) {}
  // Selects the part later calls work in and its canonical code order.
  od_dxf_patcher& part(std::string_view subclass, std::initializer_list<int> order, int occurrence = 0);
  // Selects a part found by a function of the tags (for parts that are not subclasses).
  od_dxf_patcher& part(std::function<od_dxf_part(const OdDxfTags&)> find, std::initializer_list<int> order);

  void real(int code, double value, double absent, bool required = false);
  // An angle given in radians, written in degrees in [0, 360) as drawing
  // programs write them; a tag that names the same direction stays as read.
  void angle(int code, double radians, bool required = false);
  void integer(int code, long long value, long long absent, bool required = false);
  void string(int code, const OdString& value, const OdString& absent, bool required = false,
              bool unicodeEscapes = true);
  // A value compared as written (handles, names of other records).
  void raw(int code, const std::string& value, bool required = true);
  void point(int code, const OdGePoint3d& value, const OdGePoint3d& absent, bool required = false);
  void vector(int code, const OdGeVector3d& value, const OdGeVector3d& absent, bool required = false);
  // The first tag with `code` in the part, or null.
  const OdDxfTag* find(int code) const;
  // Removes every tag with `code` in the part.
  void remove(int code);
  int version() const { return m_version; }
  OdDxfTags& tags() { return m_tags; }

private:
  od_dxf_part current() const;
  std::size_t insert_position(const od_dxf_part& part, int code) const;
  void set(std::size_t at, int code, const std::string& value);

  OdDxfTags& m_tags;
  int m_version;
  std::string m_subclass;
  int m_occurrence = 0;
  std::function<od_dxf_part(const OdDxfTags&)> m_find;
  std::vector<int> m_order;
};
