#include "app/gui/desktop_host.h"

#include <algorithm>
#include <exception>

#include <QEventLoop>
#include <QMessageBox>
#include <QRegularExpression>

#include "app/gui/command_line.h"
#include "app/gui/dialog_views.h"
#include "app/gui/drawing_view.h"
#include "app/gui/format_toolbar_view.h"
#include "app/gui/popup_menu.h"
#include "platform/host/HostCmdRegistry.h"
#include "platform/host/host_scopes.h"
#include "platform/host/HostEdInputTracker.h"
#include "platform/host/ICmdProcess.h"
#include "platform/host/host_current.h"
#include "platform/host/host_keywords.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "ui/format_toolbar.h"

namespace gui {
namespace {

OdString to_od(const QString& text) { return OdString::fromUtf8(text.toStdString()); }
QString to_q(const OdString& text) { return QString::fromStdString(text.toUtf8()); }

// "X,Y" or "X,Y,Z" as typed.
std::optional<OdGePoint3d> typed_point(const QString& text) {
  const QStringList items = text.split(',');
  if (items.size() < 2 || items.size() > 3) return std::nullopt;
  double c[3] = {0, 0, 0};
  for (int i = 0; i < items.size(); ++i) {
    bool ok = false;
    c[i] = items[i].trimmed().toDouble(&ok);
    if (!ok) return std::nullopt;
  }
  return OdGePoint3d(c[0], c[1], c[2]);
}

}  // namespace

// The prompt being answered and what answers it.
struct desktop_host::wait_state {
  waiting kind = waiting::nothing;
  QString prompt;
  QEventLoop loop;
  int result = kInputCancel;
  OdGePoint3d point;
  OdString text;
  host_keyword_list keywords;
  HostEdMessageFilter* tracker = nullptr;
  std::vector<OdDbObjectId>* picked = nullptr;
};

desktop_host::desktop_host(drawing_view& view, command_line& line) : m_view(view), m_line(line) {
  m_view.key_state = &m_windowing.keyState();
  m_windowing.cursor().setWidget(&m_view);
  m_view.on_message = [this](const host_message& message) { return viewMessage(message); };
  connect(&m_line, &command_line::entered, this, &desktop_host::typed);
  connect(&m_line, &command_line::cancelled, this, &desktop_host::cancelled);
  hostSetCurrent(this, this);
}

desktop_host::~desktop_host() {
  if (hostCurrentServices() == this) hostSetCurrent(nullptr, nullptr);
  m_view.on_message = nullptr;
  if (m_document) m_document->Release();
}

void desktop_host::setDocument(OdDbDatabase* database, const QString& name) {
  if (m_document) m_document->Release();
  m_document = database ? new host_document(database, to_od(name)) : nullptr;
  m_pickfirst.clear();
}

IHostDocument* desktop_host::currentDocument() { return m_document; }
OdDbDatabase* desktop_host::currentDatabase() { return m_document ? m_document->database() : nullptr; }
IHostView* desktop_host::activeView() { return &m_view; }
void desktop_host::entityUpdated(const OdDbObjectId&) { m_view.drawingChanged(); }
void desktop_host::printMessage(const OdString& text) { m_line.print(to_q(text).remove(QRegularExpression("\n$"))); }

int desktop_host::runCommand(const QString& name) {
  if (m_running || !m_document) return kCmdCancelled;
  m_line.print("Command: " + name);
  const host_command_entry* entry = HostCmdRegistry::instance().find(to_od(name));
  ICmdProcess* command = nullptr;
  if (!entry || !entry->creator(&command) || !command) {
    m_line.print(entry ? "Command \"" + name + "\" could not be started." : "Unknown command \"" + name + "\".");
    return kCmdCancelled;
  }
  m_running = true;
  m_last_command = name;
  int result = kCmdCancelled;
  {
    command_active_scope active(currentDatabase());
    command->SetContext(m_document);
    // The Qt boundary: whatever a command throws ends it with a message.
    try {
      result = command->Run();
    } catch (const std::exception& error) {
      m_line.print("Command " + name + " failed: " + QString::fromUtf8(error.what()));
    } catch (...) {
      m_line.print("Command " + name + " failed.");
    }
    command->Destroy();
    command->Release();
  }
  m_running = false;
  m_pickfirst.clear();
  m_brackets = 0;
  m_posted = OdString();
  m_line.setPrompt("Command");
  m_view.drawingChanged();
  emit commandEnded(name, result);
  return result;
}

int desktop_host::wait(waiting kind, const QString& prompt) {
  m_wait->kind = kind;
  m_wait->prompt = prompt;
  m_line.setPrompt(prompt);
  m_wait->loop.exec();
  m_line.setPrompt("Command");
  return m_wait->result;
}

void desktop_host::finish(int result) {
  if (!m_wait || m_wait->kind == waiting::nothing) return;
  m_wait->result = result;
  m_wait->kind = waiting::nothing;
  m_wait->loop.quit();
}

void desktop_host::answered(const QString& answer) {
  QString shown = m_wait->prompt;
  while (shown.endsWith(' ') || shown.endsWith(':')) shown.chop(1);
  m_line.print(shown + ": " + answer);
}

int desktop_host::getPoint(const OdString& prompt, OdGePoint3d& point, const OdGePoint3d*, HostEdInputTracker* tracker,
                           const OdString& keywords, int) {
  auto state = std::make_unique<wait_state>();
  state->keywords = hostParseKeywords(keywords);
  state->tracker = dynamic_cast<HostEdMessageFilter*>(tracker);
  OdString shown = prompt;
  shown.replace(u"%s", state->keywords.display());
  std::swap(m_wait, state);
  tracker_attachment attachment(tracker, &m_view);
  const int result = wait(waiting::point, to_q(shown));
  point = m_wait->point;
  std::swap(m_wait, state);
  return result;
}

int desktop_host::getString(const OdString& prompt, OdString& text, int) {
  auto state = std::make_unique<wait_state>();
  std::swap(m_wait, state);
  int result = kInputCancel;
  if (!m_posted.isEmpty()) {
    // Ended before it began: the editor posted meanwhile.
    m_wait->prompt = to_q(prompt);
    const bool cancel = m_posted == OdString(u"^C");
    m_posted = OdString();
    answered(cancel ? "*Cancel*" : "<accepted>");
    result = cancel ? kInputCancel : kInputPoint;
  } else {
    result = wait(waiting::string, to_q(prompt));
  }
  text = m_wait->text;
  std::swap(m_wait, state);
  return result;
}

host_selection_result desktop_host::selectObjects(const OdString& prompt, int, std::vector<OdDbObjectId>& ids) {
  ids.clear();
  auto state = std::make_unique<wait_state>();
  state->picked = &ids;
  std::swap(m_wait, state);
  const int result = wait(waiting::selection, to_q(prompt));
  std::swap(m_wait, state);
  if (result == kInputCancel) return host_selection_result::cancelled;
  return ids.empty() ? host_selection_result::none : host_selection_result::accepted;
}

void desktop_host::postCommandString(const OdString& text) {
  if (m_wait && m_wait->kind == waiting::string) {
    const bool cancel = text == OdString(u"^C");
    answered(cancel ? "*Cancel*" : "<accepted>");
    m_wait->text = OdString();
    finish(cancel ? kInputCancel : kInputPoint);
    return;
  }
  m_posted = text;
}

void desktop_host::typed(const QString& typed_text) {
  const QString text = typed_text.trimmed();
  if (!m_wait || m_wait->kind == waiting::nothing) {
    if (m_running) return;
    // Enter on an empty line repeats the last command, as CAD programs do.
    const QString name = text.isEmpty() ? m_last_command : text;
    if (!name.isEmpty()) runCommand(name);
    return;
  }
  wait_state& w = *m_wait;
  switch (w.kind) {
    case waiting::point:
      if (text.isEmpty()) { answered("<Enter>"); return finish(kInputNone); }
      if (const auto point = typed_point(text)) {
        w.point = *point;
        if (w.tracker) w.tracker->filterMessage(host_message{kMsgMouseMove, 0, 0, 0, w.point});
        answered(text);
        return finish(kInputPoint);
      }
      if (const auto position = hostMatchKeyword(w.keywords, to_od(text))) {
        answered(to_q(w.keywords.keywords[static_cast<std::size_t>(*position)].local));
        return finish(kInputKeyword + *position);
      }
      m_line.print("Point or option keyword required.");
      return;
    case waiting::string:
      w.text = to_od(typed_text);
      answered(text.isEmpty() ? "<Enter>" : typed_text);
      return finish(typed_text.isEmpty() ? kInputNone : kInputPoint);
    case waiting::selection:
      if (text.compare("all", Qt::CaseInsensitive) == 0) {
        const OdDbObjectPtr space = currentDatabase()->activeSpaceId().openObject();
        for (const OdDbObjectId& id : OdDbBlockTableRecord::cast(space.get())->entityIds())
          if (const OdDbObject* object = id.peekObject(); object && !object->isErased()) w.picked->push_back(id);
        answered("all");
        m_line.print(QString::number(w.picked->size()) + " found");
        return finish(kInputPoint);
      }
      answered(text.isEmpty() ? "<Enter>" : text);
      return finish(kInputPoint);
    case waiting::nothing: return;
  }
}

void desktop_host::cancelled() {
  if (!m_wait || m_wait->kind == waiting::nothing) return;
  answered("*Cancel*");
  finish(kInputCancel);
}

bool desktop_host::filterMessage(const host_message& message) {
  // The filter added last sees a message first; a copy, as filters may
  // remove themselves while handling it.
  const std::vector<HostEdMessageFilter*> current(m_filters.rbegin(), m_filters.rend());
  for (HostEdMessageFilter* filter : current)
    if (filter->filterMessage(message)) return true;
  return false;
}

bool desktop_host::viewMessage(const host_message& message) {
  if (message.message >= kMsgMouseMove && message.message <= kMsgMouseWheel)
    m_pointer = m_view.mapToGlobal(m_view.toScreen(message.point).toPoint());
  try {
    if (!m_wait || m_wait->kind == waiting::nothing) return filterMessage(message);
    wait_state& w = *m_wait;
    if (w.kind == waiting::point) {
      if (w.tracker) w.tracker->filterMessage(message);
      if (message.message == kMsgLButtonDown) {
        w.point = message.point;
        answered(QString("%1,%2").arg(w.point.x, 0, 'g', 6).arg(w.point.y, 0, 'g', 6));
        finish(kInputPoint);
        return true;
      }
    } else if (w.kind == waiting::selection) {
      if (message.message == kMsgLButtonDown) {
        const OdDbObjectId id = m_view.entityAt(m_view.toScreen(message.point));
        if (!id.isNull() && std::find(w.picked->begin(), w.picked->end(), id) == w.picked->end()) {
          w.picked->push_back(id);
          m_line.print("1 found, " + QString::number(w.picked->size()) + " total");
        }
        return true;
      }
      if (message.message == kMsgRButtonUp) {
        answered(QString::number(w.picked->size()) + " selected");
        finish(kInputPoint);
        return true;
      }
    } else if (filterMessage(message)) {
      return true;
    }
    if (message.message == kMsgKeyDown && message.wParam == kVkEscape) {
      answered("*Cancel*");
      finish(kInputCancel);
      return true;
    }
    return w.kind == waiting::point && message.message != kMsgKeyDown && message.message != kMsgKeyUp;
  } catch (const std::exception& error) {
    m_line.print("Error: " + QString::fromUtf8(error.what()));
  } catch (...) {
    m_line.print("Error: unknown failure");
  }
  return true;
}

void desktop_host::addMessageFilter(HostEdMessageFilter* filter) {
  if (filter && std::find(m_filters.begin(), m_filters.end(), filter) == m_filters.end()) m_filters.push_back(filter);
}

void desktop_host::removeMessageFilter(HostEdMessageFilter* filter) {
  m_filters.erase(std::remove(m_filters.begin(), m_filters.end(), filter), m_filters.end());
}

int desktop_host::messageBox(const OdString& text, const OdString&, int buttons) {
  const QString question = to_q(text);
  if (answer_message_box) return answer_message_box(question, buttons);
  QMessageBox::StandardButtons offered = QMessageBox::Ok;
  switch (buttons & 0xF) {
    case kMbOkCancel: offered = QMessageBox::Ok | QMessageBox::Cancel; break;
    case kMbYesNoCancel: offered = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    case kMbYesNo: offered = QMessageBox::Yes | QMessageBox::No; break;
    default: break;
  }
  switch (QMessageBox::question(m_view.window(), "cadtext", question, offered)) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default: return (buttons & 0xF) == kMbYesNo ? IDNO : IDCANCEL;
  }
}

bool desktop_host::showHelp(const OdString& topic) {
  m_line.print("No help is installed for " + to_q(topic) + ".");
  return false;
}

int desktop_host::showDialog(host_dialog_model& dialog) { return run_dialog(dialog, m_view.window()); }

int desktop_host::trackPopupMenu(const std::vector<host_menu_item>& items) {
  const QPoint at = m_menuAnchor.value_or(m_pointer);
  m_menuAnchor.reset();
  return run_popup_menu(items, at);
}

// The toolbar floats by the edited text's frame and ruler (the editor's
// controls, which are placed in the drawing), so it hides neither.
void desktop_host::openModeless(host_window_model& window) {
  auto* toolbar = dynamic_cast<ui::CMTextEdit*>(&window);
  if (!toolbar || m_toolbar) return;
  const OdGeExtents2d all = toolbar->editor().controls()->extents_in_parent();
  const QRectF box = QRectF(m_view.toScreen(OdGePoint3d(all.minPoint().x, all.minPoint().y, 0.0)),
                            m_view.toScreen(OdGePoint3d(all.maxPoint().x, all.maxPoint().y, 0.0)))
                         .normalized();
  m_toolbar = new format_toolbar_view(*toolbar, &m_view, box.toRect());
  m_toolbar->on_menu_anchor = [this](QPoint at) { m_menuAnchor = at; };
}

void desktop_host::closeModeless(host_window_model& window) {
  if (!m_toolbar || &m_toolbar->model() != &window) return;
  m_toolbar->keepPosition();
  delete m_toolbar;
  m_toolbar = nullptr;
  m_view.setFocus();
}

}  // namespace gui
