// "ddEdit": picked text objects edited one after another until the pick is
// cancelled or answered with nothing — a Text or attribute in place on one
// line, an attribute definition in the host's dialog, an MText or a
// multileader's text in the MText editor.
#include "commands/command_support.h"
#include "commands/mtext_commands.h"
#include "commands/single_line_text_commands.h"
#include "platform/host/HostModule.h"
#include "platform/host/IEvents.h"
#include "platform/host/host_attribute_dialogs.h"
#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbMLeader.h"

namespace {

using namespace text_commands;

constexpr int select_flags = 16883712;

enum class pick { object, none, cancelled };

// The pick-first selection, else the user's pick; `id` is its first object.
pick pick_object(IHostAppServices& host, OdDbObjectId& id) {
  std::vector<OdDbObjectId> ids = host.pickfirstSelection();
  host.clearPickfirstSelection();
  while (ids.empty()) {
    const host_selection_result result = host.selectObjects(u"Select Text object", select_flags, ids);
    if (result == host_selection_result::cancelled) return pick::cancelled;
    if (result == host_selection_result::none) return pick::none;
    if (ids.empty()) print(u"No entities selected");
  }
  id = ids.front();
  return pick::object;
}

bool is_attribute_definition(const OdDbObject& object) { return object.isKindOf(OdDbAttributeDefinition::desc()); }
bool is_mtext_kind(const OdDbObject& object) { return is_mtext(&object) || object.isKindOf(OdDbMLeader::desc()); }

bool edit_attribute_definition(const OdDbObjectId& id) {
  const host_attribute_dialog_fn dialog = hostFindAttributeDialog("ShowAttDDEIT");
  return dialog && dialog(id) == IDOK;
}

bool edit_single_line(IHostAppServices& host, const OdDbObjectId& id) {
  const OdDbTextPtr text = OdDbText::cast(id.openObject(OdDb::kForWrite).get());
  mtext_editing::editor_request request;
  request.ask_to_save = false;  // Esc discards the change to this Text
  const int code = mtext_editing::run_text_editor(host, text, request);
  host.entityUpdated(id);
  return code == kEditAccepted;
}

// One picked object by its kind; a cancelled edit discards only its own
// change. True when a change was saved.
bool edit_object(IHostAppServices& host, const OdDbObjectId& id) {
  const OdDbObjectPtr object = id.openObject(OdDb::kForRead);
  if (object.isNull()) return false;
  const OdDbEntity* entity = OdDbEntity::cast(object.get()).get();
  if (entity && entity->isOnLockedLayer()) {
    print(u"Layer locked");
    return false;
  }
  host_command_bracket bracket(&host, u"ddEdit");
  if (is_attribute_definition(*object)) return edit_attribute_definition(id);
  if (is_text(object.get())) return edit_single_line(host, id);
  if (is_mtext_kind(*object)) return !editMTextById(id, &host, nullptr);
  print(u"err: selected entity is not an Text");
  return false;
}

}  // namespace

// Esc at the pick ends the loop as cancelled; the edits saved before it stay.
int CTextEditCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host || !host->currentDatabase()) return kCmdRunning;
  for (;;) {
    OdDbObjectId id;
    const pick picked = pick_object(*host, id);
    if (picked != pick::object) return picked == pick::cancelled ? kCmdCancelled : kCmdDone;
    edit_object(*host, id);
  }
}
