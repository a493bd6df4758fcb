// Inserting and changing fields through the host's dialog service.
#include "platform/host/host_fields.h"

#include "platform/host/IApp.h"
#include "platform/host/host_field_dialog.h"

namespace {

// The code the user accepted in dialog `name`, or nothing.
std::optional<OdString> ask_field_code(const OdString& name, const OdString& current) {
  IHostDialogs* dialogs = hostDialogs();
  if (!dialogs) return std::nullopt;
  host_field_dialog dialog(name, {{u"code", current}});
  if (dialogs->showDialog(dialog) != IDOK) return std::nullopt;
  OdString code = dialog.fieldValue(u"code");
  code.trimLeft();
  code.trimRight();
  return code;
}

}  // namespace

OdDbFieldPtr insertField(OdDbDatabase* database) {
  const std::optional<OdString> code = ask_field_code(u"InsertField", {});
  if (!code || code->isEmpty()) return {};
  OdDbFieldPtr field = OdDbField::createObject();
  field->setEvaluationOption(OdDbField::kAutomatic);
  field->setFieldCode(*code);
  field->evaluate(OdDbField::kAutomatic, database);
  return field;
}

bool changeField(OdDbField* field, OdDbDatabase* database) {
  if (!field) return false;
  const OdString old_code = field->getFieldCode(OdDbField::kAddMarkers);
  const std::optional<OdString> code = ask_field_code(u"ChangeField", old_code);
  if (!code || code->isEmpty() || *code == old_code) return false;
  field->setFieldCode(*code);
  field->evaluate(OdDbField::kAutomatic, database);
  return true;
}
