#include "platform/sdk/OdDbFiler.h"

#include "platform/sdk/OdDxfValue.h"

namespace {

// Filers write today's form of values: UTF-8 strings.
constexpr int kFilerVersion = kOdDxfEmbeddedColumnsVersion;

template <class T>
T next_value(const std::vector<std::variant<OdString, double>>& values, std::size_t& next) {
  if (next >= values.size() || !std::holds_alternative<T>(values[next]))
    throw OdError(eInvalidInput, "DWG filer: the next value is not of the kind read");
  return std::get<T>(values[next++]);
}

}  // namespace

OdString OdDbDwgFiler::rdString() { return next_value<OdString>(m_values, m_next); }
double OdDbDwgFiler::rdDouble() { return next_value<double>(m_values, m_next); }

void OdDbDxfFiler::wrString(int code, const OdString& value) {
  m_tags.push_back({code, odDxfEncodeString(value, kFilerVersion), 0});
}

void OdDbDxfFiler::wrDouble(int code, double value) { m_tags.push_back({code, odDxfFormatDouble(value), 0}); }

bool OdDbDxfFiler::nextItem(OdDxfTag& tag) {
  if (m_next >= m_tags.size()) return false;
  tag = m_tags[m_next++];
  return true;
}

OdString OdDbDxfFiler::stringValue(const OdDxfTag& tag) const {
  return odDxfDecodeString(tag.value, kFilerVersion, false);
}

double OdDbDxfFiler::doubleValue(const OdDxfTag& tag) const {
  const auto value = odDxfParseDouble(tag.value);
  if (!value) throw OdError(eInvalidInput, "DXF filer: group " + std::to_string(tag.code) + " is not a number");
  return *value;
}
