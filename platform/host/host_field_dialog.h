// host_field_dialog: a dialog model of named text fields, for the host's
// own small dialogs (field codes, attribute values) that have no model of
// their own in the module.
#pragma once

#include <utility>

#include "platform/host/IHostDialogs.h"

class host_field_dialog : public host_dialog_model {
public:
  host_field_dialog(OdString name, std::vector<std::pair<OdString, OdString>> fields)
      : m_name(std::move(name)), m_fields(std::move(fields)) {}

  OdString dialogName() const override { return m_name; }
  std::vector<OdString> fieldNames() const override;
  OdString fieldValue(const OdString& field) const override;
  OdString setFieldValue(const OdString& field, const OdString& value) override;

  const std::vector<std::pair<OdString, OdString>>& fields() const { return m_fields; }

private:
  OdString m_name;
  std::vector<std::pair<OdString, OdString>> m_fields;  // in the dialog's order
};
