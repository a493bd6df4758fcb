#include "commands/command_support.h"

#include "platform/host/host_printf.h"
#include "platform/host/host_translate.h"
#include "platform/sdk/OdDbAttribute.h"

namespace text_commands {

void print(const OdString& message) { hostPrintf(u"%s", Supp_Translate(message)); }

void report_locked(int skipped) {
  if (skipped > 0) hostPrintf(u"%s: %d", Supp_Translate(u"Filtered objects on locked layers"), skipped);
}

bool is_text(const OdDbObject* object) { return object && object->isKindOf(OdDbText::desc()); }
bool is_mtext(const OdDbObject* object) { return object && object->isKindOf(OdDbMText::desc()); }
bool is_attribute(const OdDbObject* object) {
  return object && (object->isKindOf(OdDbAttribute::desc()) || object->isKindOf(OdDbAttributeDefinition::desc()));
}

text_selection sort_selection(const std::vector<OdDbObjectId>& ids) {
  text_selection found;
  for (const OdDbObjectId& id : ids) {
    const OdDbObjectPtr object = id.openObject(OdDb::kForRead);
    const bool text = is_text(object.get()), mtext = is_mtext(object.get());
    if (!text && !mtext) continue;
    if (static_cast<const OdDbEntity*>(object.get())->isOnLockedLayer()) {
      ++found.locked;
      continue;
    }
    (text ? found.texts : found.mtexts).push_back(id);
    found.both.push_back(id);
  }
  return found;
}

std::optional<text_selection> select_texts(IHostAppServices& host) {
  std::vector<OdDbObjectId> ids;
  if (host.selectObjects(u"Selects text objects", 65536, ids) == host_selection_result::cancelled) return {};
  text_selection found = sort_selection(ids);
  report_locked(found.locked);
  return found;
}

}  // namespace text_commands
