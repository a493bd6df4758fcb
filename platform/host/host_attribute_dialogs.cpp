// The host's attribute dialogs and their lookup by exported name.
#include "platform/host/host_attribute_dialogs.h"

#include <dlfcn.h>

#include <cstring>

#include "platform/host/IApp.h"
#include "platform/host/host_field_dialog.h"
#include "platform/sdk/OdDbAttribute.h"

namespace {

int show(host_field_dialog& dialog) {
  IHostDialogs* dialogs = hostDialogs();
  return dialogs ? dialogs->showDialog(dialog) : IDCANCEL;
}

// The values of a block reference's attributes, by tag.
int edit_block_attributes(const OdDbBlockReferencePtr& reference) {
  std::vector<std::pair<OdString, OdString>> fields;
  for (const OdDbAttributePtr& attribute : reference->attributes())
    if (!attribute->isConstant()) fields.emplace_back(attribute->tag(), attribute->textString());
  if (fields.empty()) return IDCANCEL;
  host_field_dialog dialog(u"ShowAttEditDialogEx", fields);
  if (show(dialog) != IDOK) return IDCANCEL;
  for (const OdDbAttributePtr& attribute : reference->attributes()) {
    if (attribute->isConstant()) continue;
    const OdString value = dialog.fieldValue(attribute->tag());
    if (value != attribute->textString()) {
      attribute->upgradeOpen();
      attribute->setTextString(value);
    }
  }
  return IDOK;
}

int edit_definition(const OdDbAttributeDefinitionPtr& definition) {
  host_field_dialog dialog(u"ShowAttDDEIT", {{u"tag", definition->tag()},
                                             {u"prompt", definition->prompt()},
                                             {u"value", definition->textString()}});
  if (show(dialog) != IDOK) return IDCANCEL;
  definition->setTag(dialog.fieldValue(u"tag"));
  definition->setPrompt(dialog.fieldValue(u"prompt"));
  definition->setTextString(dialog.fieldValue(u"value"));
  return IDOK;
}

int edit_attribute(const OdDbAttributePtr& attribute) {
  host_field_dialog dialog(u"ShowAttDDEIT", {{u"tag", attribute->tag()}, {u"value", attribute->textString()}});
  if (show(dialog) != IDOK) return IDCANCEL;
  attribute->setTag(dialog.fieldValue(u"tag"));
  attribute->setTextString(dialog.fieldValue(u"value"));
  return IDOK;
}

}  // namespace

extern "C" int ShowAttEditDialogEx(const OdDbObjectId& id) {
  OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
  if (!object || !object->isKindOf(OdDbBlockReference::desc())) return IDCANCEL;
  return edit_block_attributes(OdDbBlockReference::cast(object.get()));
}

extern "C" int ShowAttDDEIT(const OdDbObjectId& id) {
  OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
  if (!object) return IDCANCEL;
  if (object->isKindOf(OdDbAttributeDefinition::desc()))
    return edit_definition(OdDbAttributeDefinition::cast(object.get()));
  if (object->isKindOf(OdDbAttribute::desc())) return edit_attribute(OdDbAttribute::cast(object.get()));
  return IDCANCEL;
}

host_attribute_dialog_fn hostFindAttributeDialog(const char* name) {
  // Only the attribute dialogs: the lookup is by exported name, and other
  // exports have other signatures.
  if (!name || (std::strcmp(name, "ShowAttEditDialogEx") != 0 && std::strcmp(name, "ShowAttDDEIT") != 0))
    return nullptr;
  return reinterpret_cast<host_attribute_dialog_fn>(dlsym(RTLD_DEFAULT, name));
}
