#include "commands/mtext_editor_run.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "editor/smart_edit.h"
#include "platform/host/HostModule.h"
#include "platform/host/IApp.h"
#include "platform/host/IHostView.h"
#include "platform/host/host_drawing.h"
#include "platform/host/host_fields.h"
#include "platform/host/host_translate.h"
#include "platform/win/memory_win_system.h"
#include "ui/format_toolbar.h"

namespace mtext_editing {
namespace {

const char16_t* const type_prompt = u"Type the text. Finish input with <Ctrl>+<Enter> or cancel it with <Esc>...";
const char16_t* const quiet_prompt = u"*";
constexpr int type_flags = 0x84;
constexpr int quiet_flags = 0x882;
// The text between the "$" signs names the question's help topic.
const char16_t* const save_question = u"Do you want to save your changes?$IDH_TXPAD_MTEXT_SAVE_CHANGES$";

// What the editor asks of its host, answered by the command's host: posts go
// to the running input, popups to the host's dialog service.
class command_edit_host final : public editor::edit_host {
public:
  explicit command_edit_host(IHostAppServices& host) : m_host(host) {}
  void postCommand(const OdString& command) override {
    m_cancelPosted = m_cancelPosted || command == OdString(u"^C");
    m_host.postCommandString(command);
  }
  // Whether the editor itself ended the input by cancelling since the last call.
  bool takeCancelPosted() { return std::exchange(m_cancelPosted, false); }
  int trackPopupMenu(const std::vector<editor::menu_item>& items) override {
    IHostDialogs* dialogs = hostDialogs();
    return dialogs ? dialogs->trackPopupMenu(items) : 0;
  }
  OdDbFieldPtr changeField(OdDbField* field) override {
    return ::changeField(field, m_host.currentDatabase()) ? OdDbFieldPtr(field) : OdDbFieldPtr();
  }
  OdDbFieldPtr insertField() override { return ::insertField(m_host.currentDatabase()); }
  void redraw() override {
    if (IHostView* view = m_host.activeView()) view->update();
  }

private:
  IHostAppServices& m_host;
  bool m_cancelPosted = false;
};

// The host's windowing layer, else one of the module's own in memory.
win::IWinSystem& windowing() {
  if (win::IWinSystem* system = hostWinSystem()) return *system;
  static win::memory_win_system own;
  return own;
}

// The editor's filter and drawables belong to the host for the edit only.
class editor_in_host {
public:
  editor_in_host(IHostAppServices& host, editor::smart_edit& edit) : m_host(host), m_edit(edit) {
    m_drawables = edit.drawables();
    if (IHostView* view = host.activeView())
      for (const OdGiDrawablePtr& d : m_drawables) view->add(d.get(), kViewTemporaryMode, kViewTemporaryFlags);
    host.addMessageFilter(&edit.messageFilter());
  }
  ~editor_in_host() {
    m_host.removeMessageFilter(&m_edit.messageFilter());
    if (IHostView* view = m_host.activeView())
      for (const OdGiDrawablePtr& d : m_drawables) view->erase(d.get());
  }
  editor_in_host(const editor_in_host&) = delete;
  editor_in_host& operator=(const editor_in_host&) = delete;

private:
  IHostAppServices& m_host;
  editor::smart_edit& m_edit;
  std::vector<OdGiDrawablePtr> m_drawables;
};

// The formatting toolbar follows every multiline edit (a script clicks its
// buttons), and is shown while the edit runs by a host that shows windows.
class shown_toolbar {
public:
  shown_toolbar(editor::smart_edit& edit, command_edit_host& edit_host, bool compact)
      : m_toolbar(edit, windowing().windows(), ui::host_toolbar_services(edit_host), hostProfile(), compact) {
    IHostDialogs* dialogs = hostDialogs();
    if (!dialogs || !dialogs->showsModeless()) return;
    dialogs->openModeless(m_toolbar);
    m_dialogs = dialogs;
  }
  ~shown_toolbar() {
    if (m_dialogs) m_dialogs->closeModeless(m_toolbar);
  }
  shown_toolbar(const shown_toolbar&) = delete;
  shown_toolbar& operator=(const shown_toolbar&) = delete;

private:
  ui::CMTextEdit m_toolbar;
  IHostDialogs* m_dialogs = nullptr;
};

// "Yes", "No" or "Cancel" to saving; without a message box nothing is saved.
int ask_to_save() {
  IEvents* events = Get_IEvents();
  if (!events) return IDNO;
  const OdString question(save_question);
  const int dollar = question.find(u'$');
  const OdString text = question.left(dollar);
  const OdString topic = question.mid(dollar + 1, question.getLength() - dollar - 2);
  return events->messageBox(Supp_Translate(text), topic, kMbYesNoCancel | kMbIconQuestion);
}

// Runs the string input until the edit ends; the code says whether to save.
// A cancel the editor did not post means the host's input itself ended (a
// script ran out): there is no editing to go back to, so Cancel discards.
int run_input(IHostAppServices& host, editor::smart_edit& edit, command_edit_host& edit_host,
              const editor_request& request) {
  const editor_in_host installed(host, edit);
  for (;;) {
    OdString typed;
    const int input = request.quiet ? host.getString(quiet_prompt, typed, quiet_flags)
                                    : host.getString(type_prompt, typed, type_flags);
    if (input != kInputCancel) return kEditAccepted;
    const bool input_ended = !edit_host.takeCancelPosted();
    if (edit.undoEmpty() || !request.ask_to_save) return kEditCancelled;
    switch (ask_to_save()) {
      case IDYES: return kEditSavedOnCancel;
      case IDNO: return kEditCancelled;
      default:
        if (input_ended) return kEditCancelled;  // Cancel: back to editing, when there is any
    }
  }
}

// The alphabets of lettered lists: the host's "NamedListAlphabet"
// parameters, else English alone.
mtext::marks::letters_dictionary host_alphabets() {
  IApp* app = hostApp();
  const IParam* params = app ? app->params() : nullptr;
  mtext::marks::letters_dictionary alphabets =
      mtext::marks::letters_dictionary::from_iparam(params ? params->child("NamedListAlphabet") : nullptr);
  return alphabets.alphabets.empty() ? mtext::marks::letters_dictionary::english() : alphabets;
}

bool saves(int result) { return result == kEditAccepted || result == kEditSavedOnCancel; }

}  // namespace

int run_mtext_editor(IHostAppServices& host, const OdDbMTextPtr& text, const editor_request& request) {
  if (request.frame) place_in_frame(*text, *request.frame);
  command_edit_host edit_host(host);
  editor::smart_edit edit(edit_host, windowing());
  edit.setAlphabets(host_alphabets());
  edit.setUp(text);
  int result = kEditCancelled;
  {
    const shown_toolbar toolbar(edit, edit_host, request.options.compact_toolbar);
    result = run_input(host, edit, edit_host, request);
  }
  edit.commit(saves(result));
  return result;
}

int run_text_editor(IHostAppServices& host, const OdDbTextPtr& text, const editor_request& request) {
  command_edit_host edit_host(host);
  editor::smart_edit edit(edit_host, windowing());
  edit.setUp(text);
  const int result = run_input(host, edit, edit_host, request);
  if (request.place_line) edit.commit(saves(result), request.place_line);
  else edit.commit(saves(result), [](OdDbText& t) { t.adjustAlignment(); });
  return result;
}

void place_in_frame(OdDbMText& text, const new_frame& frame) {
  OdGeVector3d normal = OdGeVector3d::kZAxis;
  double rotation = 0.0;
  getTextOrientation(normal, rotation);
  text.setNormal(normal);
  text.setRotation(rotation);
  const OdGeVector3d x = text.direction();
  const OdGeVector3d y = normal.crossProduct(x);
  const OdGeVector3d diagonal = frame.second - frame.first;
  const double dx = diagonal.dotProduct(x), dy = diagonal.dotProduct(y);
  text.setAttachment(OdDbMText::kTopLeft);
  text.setLocation(frame.first + x * std::min(dx, 0.0) + y * std::max(dy, 0.0));
  text.setWidth(std::fabs(dx));
  text.setHeight(0.0);
}

}  // namespace mtext_editing
