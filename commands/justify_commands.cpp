// "justifytext" and "TJust": new justifications for selected Texts and MTexts.
#include <optional>

#include "commands/command_support.h"
#include "commands/text_commands.h"
#include "commands/text_justify.h"
#include "platform/host/HostModule.h"

namespace {

using namespace text_commands;

constexpr int select_flags = 32768;
constexpr int select_again_flag = 16384;

// The justification keyword's position, or nothing for any other answer;
// `cancelled` tells a cancel from other answers.
std::optional<int> ask_keyword(IHostAppServices& host, const OdString& prompt, const OdString& keywords, int count,
                               bool& cancelled) {
  OdGePoint3d unused;
  const int answer = host.getPoint(prompt, unused, nullptr, nullptr, keywords, 0);
  cancelled = answer == kInputCancel;
  const int position = answer - kInputKeyword;
  if (answer >= kInputKeyword && position < count) return position;
  return std::nullopt;
}

}  // namespace

int CJustifyTextCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host) return kCmdRunning;
  text_selection found;
  for (int pass = 0; found.empty(); ++pass) {
    std::vector<OdDbObjectId> ids;
    const int flags = pass == 0 ? select_flags : select_flags + select_again_flag;
    const host_selection_result result = host->selectObjects(u"Select Text object", flags, ids);
    if (result != host_selection_result::accepted)
      return result == host_selection_result::cancelled ? kCmdCancelled : kCmdDone;
    found = sort_selection(ids);
    report_locked(found.locked);
  }
  bool cancelled = false;
  const std::optional<int> index = ask_keyword(*host, u"Select justify mode [%s]",
                                               justification::keywords_local_global,
                                               justification::index_count, cancelled);
  if (!index) return cancelled ? kCmdCancelled : kCmdDone;
  host_command_bracket bracket(host, u"justifytext");
  for (const OdDbObjectId& id : found.both) {
    justification::apply_index(OdDbEntity::cast(id.openObject(OdDb::kForWrite).get()).get(), *index);
    host->entityUpdated(id);
  }
  return kCmdDone;
}

int CTJustCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host) return kCmdRunning;
  const std::optional<text_selection> selected = select_texts(*host);
  if (!selected) return kCmdCancelled;
  const text_selection& found = *selected;
  if (found.empty()) {
    print(u"Selected objects are not texts");
    return kCmdDone;
  }
  bool cancelled = false;
  const std::optional<int> position = ask_keyword(*host, u"Select new justification",
                                                  justification::tjust_keywords, justification::tjust_count,
                                                  cancelled);
  if (!position) return cancelled ? kCmdCancelled : kCmdDone;
  const justification::tjust_entry entry = justification::tjust_of_position(*position);
  host_command_bracket bracket(host, u"TJust");
  for (const OdDbObjectId& id : found.texts) {
    justification::tjust_text(*OdDbText::cast(id.openObject(OdDb::kForWrite).get()), entry);
    host->entityUpdated(id);
  }
  for (const OdDbObjectId& id : found.mtexts) {
    justification::tjust_mtext(*OdDbMText::cast(id.openObject(OdDb::kForWrite).get()), entry);
    host->entityUpdated(id);
  }
  return kCmdDone;
}
