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

// Multiline text came with R13 (AC1012): an older drawing cannot hold the merged MText.
bool holds_mtext(const OdDbDatabase* database) {
  const int version = database ? database->originalFileVersion() : 0;
  return version == 0 || version >= 1012;
}

// The selected Texts, leaving out attributes: they belong to their block
// reference, which merging must not take them from.
std::vector<OdDbTextPtr> plain_texts(const std::vector<OdDbObjectId>& ids) {
  std::vector<OdDbTextPtr> texts;
  for (const OdDbObjectId& id : ids) {
    const OdDbObjectPtr object = id.openObject(OdDb::kForRead);
    if (is_text(object.get()) && !is_attribute(object.get())) texts.push_back(OdDbText::cast(object.get()));
  }
  return texts;
}

}  // namespace

int CText2MTextCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host) return kCmdRunning;
  mtext::install_layout_provider();
  const std::optional<text_selection> selected = select_texts(*host);
  if (!selected) return kCmdCancelled;
  std::vector<OdDbTextPtr> texts = plain_texts(selected->texts);
  if (texts.empty()) {
    print(u"Selected objects are not texts");
    return kCmdDone;
  }

  text_to_mtext::sort_reading_order(texts);
  OdDbDatabase* database = host->currentDatabase();
  const OdDbMTextPtr mtext = holds_mtext(database) ? merged(texts, database) : OdDbMTextPtr();
  if (mtext.isNull()) {
    print(u"Error occurred during merging texts");
    return kCmdDone;
  }

  host_command_bracket bracket(host, u"Text2MText");
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(database->activeSpaceId().openObject(OdDb::kForWrite).get());
  const OdDbObjectId added = space->appendOdDbEntity(mtext.get());
  for (const OdDbTextPtr& text : texts) {
    text->upgradeOpen();
    text->erase();
    host->entityUpdated(text->objectId());
  }
  host->entityUpdated(added);
  return kCmdDone;
}
