// "MTextEdit" and "_editmtextcontents": the selected texts edited one after
// another in the in-place editor; and the exported edit entry points.
#include "commands/command_support.h"
#include "commands/mtext_commands.h"
#include "platform/host/HostModule.h"
#include "platform/host/IEvents.h"
#include "platform/host/host_attribute_dialogs.h"
#include "platform/host/host_drawing.h"
#include "platform/host/host_printf.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

namespace {

using namespace text_commands;
using mtext_editing::editor_request;

// The caller's reference, released on every path out.
class released_on_return {
public:
  explicit released_on_return(IHostUnknown* reference) : m_reference(reference) {}
  ~released_on_return() {
    if (m_reference) m_reference->Release();
  }
  released_on_return(const released_on_return&) = delete;
  released_on_return& operator=(const released_on_return&) = delete;

private:
  IHostUnknown* m_reference;
};

bool edited(int code) { return code == kEditAccepted || code == kEditSavedOnCancel; }

void print_style_name(const OdDbMText& text) {
  // A text read without a style names none: it is in Standard.
  OdDbObjectId styleId = text.textStyle();
  if (styleId.isNull() && text.database()) styleId = text.database()->getTextStyleStandardId();
  const OdDbObjectPtr record = styleId.openObject(OdDb::kForRead);
  if (record.isNull() || !record->isKindOf(OdDbTextStyleTableRecord::desc())) return;
  hostPrintf(u"%s", static_cast<const OdDbTextStyleTableRecord&>(*record).getName());
}

// A leader that underlines every line of its text draws the underline
// itself, so an underline code opening the text ("{\L...") goes. The
// editor writes the first paragraph's code ("\p...;") before the text.
void drop_underline_the_leader_draws(const OdDbMLeader& leader, OdDbMText& text) {
  const bool underlines = leader.textLeftAttachmentType() == OdDbMLeader::kAttachmentAllLine ||
                          leader.textRightAttachmentType() == OdDbMLeader::kAttachmentAllLine;
  if (!underlines || leader.textAttachmentDirection() != OdDbMLeader::kAttachmentHorizontal) return;
  std::u16string contents = text.contents().str();
  const std::size_t start = contents.starts_with(u"\\p") ? contents.find(u';') + 1 : 0;
  if (start == 0 && contents.starts_with(u"\\p")) return;  // a paragraph code never closed
  if (contents.compare(start, 3, u"{\\L") != 0) return;
  contents.erase(start + 1, 2);
  text.setContents(OdString(contents));
}

// A leader's text is edited as its own MText and put back when saved.
int edit_leader_text(IHostAppServices& host, OdDbMLeader& leader, const editor_request& request, OdString& contents) {
  const OdDbMTextPtr text = leader.mtext();
  const int code = mtext_editing::run_mtext_editor(host, text, request);
  if (edited(code)) {
    drop_underline_the_leader_draws(leader, *text);
    leader.setMText(text.get());
  }
  contents = text->contents();
  hostEntUpd(leader.objectId());
  return code;
}

// A leader's block: its attribute values through the host's attribute dialog.
int edit_leader_block(const OdDbMLeader& leader) {
  bool any_value = false;
  for (const OdDbMLeader::od_block_attribute& a : leader.blockAttributes()) any_value |= !a.value.isEmpty();
  if (!any_value) {
    print(u"That block has no editable attributes.");
    return kEditCancelled;
  }
  const host_attribute_dialog_fn dialog = hostFindAttributeDialog("ShowAttEditDialogEx");
  if (!dialog || dialog(leader.objectId()) != IDOK) return kEditCancelled;
  hostEntUpd(leader.objectId());
  return kEditAccepted;
}

int edit_leader(IHostAppServices& host, OdDbMLeader& leader, const editor_request& request, OdString& contents) {
  switch (leader.contentType()) {
    case OdDbMLeader::kMTextContent: return edit_leader_text(host, leader, request, contents);
    case OdDbMLeader::kBlockContent: return edit_leader_block(leader);
    default: print(u"Selected entity is not an MText"); return kEditNotEditable;
  }
}

int edit_mtext(IHostAppServices& host, const OdDbMTextPtr& text, const editor_request& request, OdString& contents) {
  if (!request.quiet) print_style_name(*text);
  const int code = mtext_editing::run_mtext_editor(host, text, request);
  contents = text->contents();
  return code;
}

// A Text or attribute: single-line mode; a save on the question counts as accepted.
int edit_text(IHostAppServices& host, const OdDbTextPtr& text, const editor_request& request, OdString& contents) {
  const int code = mtext_editing::run_text_editor(host, text, request);
  contents = text->textString();
  return code == kEditCancelled ? kEditCancelled : kEditAccepted;
}

// One object by the kind it is; `contents` receives what it holds after the edit.
int edit_entity(IHostAppServices& host, const OdDbObjectId& id, const editor_request& request, OdString& contents) {
  const OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
  if (object.isNull()) return kEditNotEditable;
  if (object->isKindOf(OdDbMLeader::desc())) return edit_leader(host, static_cast<OdDbMLeader&>(*object), request, contents);
  if (is_mtext(object.get())) return edit_mtext(host, OdDbMText::cast(object.get()), request, contents);
  if (is_text(object.get())) return edit_text(host, OdDbText::cast(object.get()), request, contents);
  print(u"Selected entity is not an MText");
  return kEditNotEditable;
}

bool on_locked_layer(const OdDbObjectId& id) {
  const OdDbObjectPtr object = id.openObject(OdDb::kForRead);
  return !object.isNull() && object->isKindOf(OdDbEntity::desc()) &&
         static_cast<const OdDbEntity&>(*object).isOnLockedLayer();
}

// The pick-first selection, else the user's; nothing when cancelled or empty.
std::vector<OdDbObjectId> objects_to_edit(IHostAppServices& host) {
  std::vector<OdDbObjectId> ids = host.pickfirstSelection();
  if (!ids.empty()) {
    host.clearPickfirstSelection();
    return ids;
  }
  if (host.selectObjects(u"Select MText object", 0xa000, ids) == host_selection_result::cancelled) return {};
  if (ids.empty()) print(u"No entities selected");
  return ids;
}

// How a run over the selection went.
struct selection_edit {
  std::size_t selected = 0;
  int edited = 0;  // codes 0 and 2
};

selection_edit edit_selection(OdString& contents) {
  selection_edit run;
  IHostAppServices* host = hostAppServices();
  if (!host) return run;
  host_command_bracket bracket(host, u"MTextEdit");
  const std::vector<OdDbObjectId> ids = objects_to_edit(*host);
  run.selected = ids.size();
  editor_request request;
  request.quiet = ids.size() > 1;
  int locked = 0;
  for (const OdDbObjectId& id : ids) {
    if (on_locked_layer(id)) {
      ++locked;
      continue;
    }
    const int code = edit_entity(*host, id, request, contents);
    if (edited(code)) ++run.edited;
    // A cancelled edit ends the run, whether or not it saved.
    if (code == kEditSavedOnCancel || code == kEditCancelled) break;
  }
  report_locked(locked);
  return run;
}

}  // namespace

bool editMTextCurrentSelection(OdString& contents) {
  const selection_edit run = edit_selection(contents);
  return !(run.selected == 1 && run.edited == 1);
}

bool editMTextById(const OdDbObjectId& id, IHostAppServices* input, IHostUnknown* reference,
                   const mtext_editor_options& options) {
  const released_on_return release(reference);
  if (!input) input = hostAppServices();
  if (!input) return true;
  editor_request request;
  request.options = options;
  OdString contents;
  return !edited(edit_entity(*input, id, request, contents));
}

bool editMText(OdDbMText* text, IHostAppServices* input, IHostUnknown* reference, int* result,
               const mtext_editor_options& options) {
  const released_on_return release(reference);
  if (!input) input = hostAppServices();
  int code = kEditNotEditable;
  if (input && text) {
    editor_request request;
    request.options = options;
    code = mtext_editing::run_mtext_editor(*input, OdDbMTextPtr(text), request);
  }
  if (result) *result = code;
  return code == kEditCancelled;
}

int editMTextCell(OdDbMText* text, IHostAppServices* input, const mtext_editor_options& options,
                  const mtext_cell& cell, OdString* contents, double* height) {
  if (!input) input = hostAppServices();
  if (!input || !text) return kEditNotEditable;
  const double own_width = text->width();
  if (cell.width > 0.0) text->setWidth(cell.width);
  editor_request request;
  request.options = options;
  const int code = mtext_editing::run_mtext_editor(*input, OdDbMTextPtr(text), request);
  if (code == kEditCancelled) text->setWidth(own_width);  // nothing saved changes nothing
  if (contents) *contents = text->contents();
  if (height) *height = text->actualHeight();
  return code;
}

// The exported function's answer is the command's: done only when exactly
// one object was selected and saved.
int CMTextEditCmd::execute() {
  OdString contents;
  return editMTextCurrentSelection(contents) ? kCmdCancelled : kCmdDone;
}
