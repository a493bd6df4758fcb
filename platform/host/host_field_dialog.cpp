// Named text fields of the host's small dialogs.
#include "platform/host/host_field_dialog.h"

std::vector<OdString> host_field_dialog::fieldNames() const {
  std::vector<OdString> names;
  for (const auto& [name, value] : m_fields) names.push_back(name);
  return names;
}

OdString host_field_dialog::fieldValue(const OdString& field) const {
  for (const auto& [name, value] : m_fields)
    if (name.iCompare(field) == 0) return value;
  return {};
}

OdString host_field_dialog::setFieldValue(const OdString& field, const OdString& value) {
  for (auto& [name, old] : m_fields)
    if (name.iCompare(field) == 0) {
      old = value;
      return {};
    }
  return u"no field \"" + field + u"\"";
}
