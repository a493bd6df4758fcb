// "Text2MText": the selected Texts become one MText in reading order.
#include "commands/command_support.h"
#include "commands/text_commands.h"
#include "commands/text_to_mtext.h"
#include "mtext/convert.h"
#include "platform/host/HostModule.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdError.h"

namespace {

using namespace text_commands;

// The merged MText, or null when merging failed.
OdDbMTextPtr merged(const std::vector<OdDbTextPtr>& texts, OdDbDatabase* database) {
  try {
    return text_to_mtext::merge(texts, database);
  } catch (const OdError&) {
    return OdDbMTextPtr();
  } catch (const std::exception&) {
    return OdDbMTextPtr();
  }
}

}  // namespace

int CText2MTextCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host) return kCmdRunning;
  mtext::install_layout_provider();
  const std::optional<text_selection> selected = select_texts(*host);
  if (!selected) return kCmdCancelled;
  const text_selection& found = *selected;
  if (found.texts.empty()) {
    print(u"Selected objects are not texts");
    return kCmdDone;
  }

  std::vector<OdDbTextPtr> texts;
  for (const OdDbObjectId& id : found.texts) texts.push_back(OdDbText::cast(id.openObject(OdDb::kForRead).get()));
  text_to_mtext::sort_reading_order(texts);
  OdDbDatabase* database = host->currentDatabase();
  const OdDbMTextPtr mtext = merged(texts, database);
  if (mtext.isNull()) {
    print(u"Error occurred during merging texts");
    return kCmdDone;
  }

  host_command_bracket bracket(host, u"Text2MText");
  const OdDbObjectId space_id = target_space(database, texts.front()->objectId());
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(space_id.openObject(OdDb::kForWrite).get());
  const OdDbObjectId added = space->appendOdDbEntity(mtext.get());
  for (const OdDbTextPtr& text : texts) {
    text->upgradeOpen();
    text->erase();
    host->entityUpdated(text->objectId());
  }
  host->entityUpdated(added);
  return kCmdDone;
}
