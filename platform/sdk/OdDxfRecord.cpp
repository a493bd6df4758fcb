#include "platform/sdk/OdDxfRecord.h"

#include <algorithm>
#include <cmath>

#include "platform/sdk/OdDbHandle.h"
#include "platform/sdk/OdDxfValue.h"
#include "platform/sdk/OdGeTol.h"

namespace {

std::string trimmed_upper(const std::string& value) {
  std::string text;
  for (char c : value)
    if (c != ' ' && c != '\t' && c != '\r') text += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool ends_part(int code) { return code == 100 || code == 101 || code == 1001; }

bool has_markers(const OdDxfTags& tags, const od_dxf_part& body) {
  for (std::size_t i = body.begin; i < body.end; ++i)
    if (tags[i].code == 100) return true;
  return false;
}

}  // namespace

od_dxf_part odDxfBody(const OdDxfTags& tags) {
  od_dxf_part body{tags.empty() ? 0u : 1u, tags.size()};
  for (std::size_t i = body.begin; i < tags.size(); ++i)
    if (tags[i].code == 1001) {
      body.end = i;
      break;
    }
  return body;
}

od_dxf_part odDxfFindPart(const OdDxfTags& tags, std::string_view subclass, int occurrence) {
  const od_dxf_part body = odDxfBody(tags);
  if (subclass.empty() || !has_markers(tags, body)) return body;
  const std::string wanted = trimmed_upper(std::string(subclass));
  int seen = 0;
  for (std::size_t i = body.begin; i < body.end; ++i) {
    if (tags[i].code != 100 || trimmed_upper(tags[i].value) != wanted || seen++ != occurrence) continue;
    std::size_t end = i + 1;
    while (end < body.end && !ends_part(tags[end].code)) ++end;
    return {i + 1, end};
  }
  return body;
}

namespace {

bool opens_group(const OdDxfTag& tag) { return tag.code == 102 && !tag.value.empty() && tag.value[0] == '{'; }

// A "{" group that no "}" closes within the part holds nothing: otherwise a
// damaged record would hide every later tag, and writing it would add them
// again on every round.
bool closed_later(const OdDxfTags& tags, std::size_t open, std::size_t end) {
  for (std::size_t i = open + 1; i < end && i < tags.size(); ++i)
    if (tags[i].code == 102 && !opens_group(tags[i])) return true;
  return false;
}

}  // namespace

std::size_t odDxfFind(const OdDxfTags& tags, const od_dxf_part& part, int code, int nth) {
  int depth = 0;
  bool embedded = false;  // inside an embedded object: from a 101 tag to the next subclass marker
  for (std::size_t i = part.begin; i < part.end && i < tags.size(); ++i) {
    if (tags[i].code == 101) embedded = true;
    if (tags[i].code == 100) embedded = false;
    if (embedded) continue;
    if (tags[i].code == 102) {
      if (!opens_group(tags[i])) depth = std::max(depth - 1, 0);
      else if (closed_later(tags, i, part.end)) ++depth;
      continue;
    }
    if (depth == 0 && tags[i].code == code && nth-- == 0) return i;
  }
  return std::string::npos;
}

std::string odDxfRecordType(const OdDxfTags& tags) {
  return tags.empty() || tags[0].code != 0 ? std::string() : trimmed_upper(tags[0].value);
}

std::uint64_t odDxfParseHandle(const std::string& value) {
  std::string text;
  for (char c : value)
    if (c != ' ' && c != '\t' && c != '\r') text += c;
  return OdDbHandle(OdString::fromUtf8(text));
}

std::uint64_t odDxfRecordHandle(const OdDxfTags& tags) {
  const od_dxf_part body = odDxfBody(tags);
  std::size_t at = odDxfFind(tags, body, 5);
  if (at == std::string::npos) at = odDxfFind(tags, body, 105);
  return at == std::string::npos ? 0 : odDxfParseHandle(tags[at].value);
}

std::uint64_t odDxfExtensionDictionary(const OdDxfTags& tags) {
  const od_dxf_part body = odDxfBody(tags);
  for (std::size_t i = body.begin; i < body.end; ++i) {
    if (tags[i].code != 102 || trimmed_upper(tags[i].value) != "{ACAD_XDICTIONARY") continue;
    for (std::size_t j = i + 1; j < body.end && tags[j].code != 102; ++j)
      if (tags[j].code == 360) return odDxfParseHandle(tags[j].value);
  }
  return 0;
}

od_dxf_reader& od_dxf_reader::part(std::string_view subclass, int occurrence) {
  m_part = odDxfFindPart(m_tags, subclass, occurrence);
  return *this;
}

std::optional<std::string> od_dxf_reader::raw(int code) const {
  const std::size_t at = odDxfFind(m_tags, m_part, code);
  if (at == std::string::npos) return std::nullopt;
  return m_tags[at].value;
}

std::optional<double> od_dxf_reader::real(int code) const {
  const auto value = raw(code);
  return value ? odDxfParseDouble(*value) : std::nullopt;
}

std::optional<long long> od_dxf_reader::integer(int code) const {
  const auto value = raw(code);
  return value ? odDxfParseInt(*value) : std::nullopt;
}

std::optional<OdString> od_dxf_reader::string(int code, bool unicodeEscapes) const {
  const auto value = raw(code);
  if (!value) return std::nullopt;
  return odDxfDecodeString(*value, m_version, unicodeEscapes);
}

std::optional<OdGePoint3d> od_dxf_reader::point(int code) const {
  const auto x = real(code), y = real(code + 10);
  if (!x || !y) return std::nullopt;
  return OdGePoint3d(*x, *y, real(code + 20).value_or(0.0));
}

std::optional<OdGeVector3d> od_dxf_reader::vector(int code) const {
  const auto p = point(code);
  if (!p) return std::nullopt;
  return OdGeVector3d(p->x, p->y, p->z);
}

od_dxf_patcher& od_dxf_patcher::part(std::string_view subclass, std::initializer_list<int> order,
                                     int occurrence) {
  m_subclass = std::string(subclass);
  m_order.assign(order);
  m_occurrence = occurrence;
  m_find = nullptr;
  return *this;
}

od_dxf_patcher& od_dxf_patcher::part(std::function<od_dxf_part(const OdDxfTags&)> find,
                                     std::initializer_list<int> order) {
  m_find = std::move(find);
  m_order.assign(order);
  return *this;
}

od_dxf_part od_dxf_patcher::current() const {
  return m_find ? m_find(m_tags) : odDxfFindPart(m_tags, m_subclass, m_occurrence);
}

std::size_t od_dxf_patcher::insert_position(const od_dxf_part& part, int code) const {
  const auto rank = [&](int c) {
    const auto it = std::find(m_order.begin(), m_order.end(), c);
    return it == m_order.end() ? -1 : static_cast<int>(it - m_order.begin());
  };
  const int mine = rank(code);
  std::size_t at = part.end;
  if (mine >= 0)
    for (std::size_t i = part.begin; i < part.end; ++i)
      if (rank(m_tags[i].code) > mine) {
        at = i;
        break;
      }
  // Neither an embedded object (a 101 tag up to the next subclass marker)
  // nor a "{" group holds the part's own tags: a tag the part gains goes
  // before them, where the next reading looks for it.
  std::size_t embedded = std::string::npos, group = std::string::npos;
  int depth = 0;
  for (std::size_t i = part.begin; i < at; ++i) {
    const int code = m_tags[i].code;
    if (code == 101 && embedded == std::string::npos) embedded = i;
    if (code == 100) embedded = std::string::npos;
    if (code != 102) continue;
    if (!opens_group(m_tags[i])) {
      depth = std::max(depth - 1, 0);
      if (depth == 0) group = std::string::npos;
    } else if (closed_later(m_tags, i, part.end)) {
      if (depth++ == 0) group = i;
    }
  }
  return std::min({at, embedded, group});
}

void od_dxf_patcher::set(std::size_t at, int code, const std::string& value) {
  if (at != std::string::npos) {
    m_tags[at].value = value;
    return;
  }
  const od_dxf_part part = current();
  m_tags.insert(m_tags.begin() + static_cast<std::ptrdiff_t>(insert_position(part, code)),
                OdDxfTag{code, value, 0});
}

void od_dxf_patcher::real(int code, double value, double absent, bool required) {
  const std::size_t at = odDxfFind(m_tags, current(), code);
  if (at != std::string::npos) {
    const auto old = odDxfParseDouble(m_tags[at].value);
    if (old && odDxfSameDouble(*old, value)) return;
  } else if (!required && odDxfSameDouble(value, absent)) {
    return;
  }
  set(at, code, odDxfFormatDouble(value));
}

void od_dxf_patcher::angle(int code, double radians, bool required) {
  double degrees = std::fmod(radians * 180.0 / OdaPI, 360.0);
  if (degrees < 0.0) degrees += 360.0;
  if (odDxfSameDouble(degrees, 360.0)) degrees = 0.0;
  const std::size_t at = odDxfFind(m_tags, current(), code);
  if (at != std::string::npos) {
    const auto old = odDxfParseDouble(m_tags[at].value);
    if (old && std::isfinite(*old)) {
      const double turn = std::fmod(std::fabs(*old - degrees), 360.0);
      if (odDxfSameDouble(turn, 0.0) || odDxfSameDouble(turn, 360.0)) return;
    }
  }
  real(code, degrees, 0.0, required);
}

void od_dxf_patcher::integer(int code, long long value, long long absent, bool required) {
  const std::size_t at = odDxfFind(m_tags, current(), code);
  if (at != std::string::npos) {
    const auto old = odDxfParseInt(m_tags[at].value);
    if (old && *old == value) return;
  } else if (!required && value == absent) {
    return;
  }
  set(at, code, odDxfFormatInt(value));
}

void od_dxf_patcher::string(int code, const OdString& value, const OdString& absent, bool required,
                            bool unicodeEscapes) {
  const std::size_t at = odDxfFind(m_tags, current(), code);
  if (at != std::string::npos) {
    if (odDxfDecodeString(m_tags[at].value, m_version, unicodeEscapes) == value) return;
  } else if (!required && value == absent) {
    return;
  }
  set(at, code, odDxfEncodeString(value, m_version));
}

void od_dxf_patcher::raw(int code, const std::string& value, bool required) {
  const std::size_t at = odDxfFind(m_tags, current(), code);
  if (at != std::string::npos ? m_tags[at].value == value : !required) return;
  set(at, code, value);
}

void od_dxf_patcher::point(int code, const OdGePoint3d& value, const OdGePoint3d& absent, bool required) {
  const bool present = odDxfFind(m_tags, current(), code) != std::string::npos;
  if (!present && !required && odDxfSameDouble(value.x, absent.x) && odDxfSameDouble(value.y, absent.y) &&
      odDxfSameDouble(value.z, absent.z))
    return;
  real(code, value.x, 0.0, true);
  real(code + 10, value.y, 0.0, true);
  real(code + 20, value.z, 0.0, !present);
}

void od_dxf_patcher::vector(int code, const OdGeVector3d& value, const OdGeVector3d& absent, bool required) {
  point(code, OdGePoint3d(value.x, value.y, value.z), OdGePoint3d(absent.x, absent.y, absent.z), required);
}

const OdDxfTag* od_dxf_patcher::find(int code) const {
  const std::size_t at = odDxfFind(m_tags, current(), code);
  return at == std::string::npos ? nullptr : &m_tags[at];
}

void od_dxf_patcher::remove(int code) {
  for (std::size_t at; (at = odDxfFind(m_tags, current(), code)) != std::string::npos;)
    m_tags.erase(m_tags.begin() + static_cast<std::ptrdiff_t>(at));
}
