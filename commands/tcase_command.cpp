// "TCase": the letter case of selected Texts and MTexts, in the mode chosen
// in the case dialog.
#include "commands/command_support.h"
#include "commands/text_case.h"
#include "commands/text_commands.h"
#include "mtext/convert.h"
#include "platform/host/HostModule.h"
#include "platform/host/IApp.h"
#include "ui/case_dialog.h"

namespace {

using namespace text_commands;

// The dialog's answer: true on OK, with the chosen mode remembered.
bool choose_mode() {
  IHostDialogs* dialogs = hostDialogs();
  if (!dialogs) return false;
  CCaseDlg dialog;
  if (dialogs->showDialog(dialog) != IDOK) return false;
  dialog.onOK();
  return true;
}

void convert_text(OdDbText& text, int mode) {
  const std::u16string converted = text_case::convert_text(text.textString().str(), mode);
  if (converted == text.textString().str()) return;
  text.setTextString(OdString(converted));
  // A justified text stays on its alignment point (an aligned or fitted
  // one between its two points) with its new width.
  text.adjustAlignment();
}

void convert_mtext(OdDbMText& mtext, int mode) {
  const std::u16string converted = text_case::convert_mtext_contents(
      mtext.contents().str(), mode, mtext::default_mtext_format(OdDbMTextPtr(&mtext)));
  if (converted != mtext.contents().str()) mtext.setContents(OdString(converted));
}

}  // namespace

int CTCase::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host) return kCmdRunning;
  const std::optional<text_selection> selected = select_texts(*host);
  if (!selected) return kCmdCancelled;
  const text_selection& found = *selected;
  if (found.empty()) {
    print(u"Selected objects are not texts");
    return kCmdDone;
  }
  if (!choose_mode()) return kCmdCancelled;
  const int mode = CCaseDlg::processMode();

  host_command_bracket bracket(host, u"TCase");
  for (const OdDbObjectId& id : found.texts) {
    convert_text(*OdDbText::cast(id.openObject(OdDb::kForWrite).get()), mode);
    host->entityUpdated(id);
  }
  for (const OdDbObjectId& id : found.mtexts) {
    convert_mtext(*OdDbMText::cast(id.openObject(OdDb::kForWrite).get()), mode);
    host->entityUpdated(id);
  }
  return kCmdDone;
}
