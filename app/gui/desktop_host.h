// desktop_host: the host contract (IHostAppServices and IApp) on the Qt
// desktop. Commands typed in the command line run synchronously; each
// prompt runs a nested event loop until the user answers it in the command
// line (a point "X,Y", a keyword, text, Enter, Esc) or in the view (a
// point or an object picked with the left button). While a prompt waits,
// the installed message filters (the in-place editor) see the view's
// window messages first, and a posted "^M" or "^C" ends string input.
//
// Dialog models get their Qt dialogs (dialog_views), popup menus a QMenu,
// and the formatting toolbar a view floating over the drawing.
//
// It is the process's current host while it lives. Nothing here draws: the
// view draws, the command line shows the prompts and messages.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>
#include <QPoint>
#include <QString>

#include "app/gui/qt_win_system.h"
#include "platform/host/IApp.h"
#include "platform/host/host_document.h"
#include "platform/host/IHostAppServices.h"
#include "platform/host/host_message.h"
#include "platform/host/host_memory_profile.h"

class QEventLoop;

namespace gui {

class command_line;
class drawing_view;
class format_toolbar_view;

class desktop_host final : public QObject,
                           public IHostAppServices,
                           public IApp,
                           public IEvents,
                           public IHelpService,
                           public IHostDialogs {
  Q_OBJECT

public:
  desktop_host(drawing_view& view, command_line& line);
  ~desktop_host() override;

  // The drawing the commands work on (kept referenced), under its name.
  void setDocument(OdDbDatabase* database, const QString& name);
  // Runs a registered command to its end; answers its result code.
  int runCommand(const QString& name);
  bool running() const { return m_running; }
  void setPickfirst(std::vector<OdDbObjectId> ids) { m_pickfirst = std::move(ids); }

  // Answers message boxes instead of asking (tests); text and buttons in, answer out.
  std::function<int(const QString& text, int buttons)> answer_message_box;

  // IHostAppServices
  IHostDocument* currentDocument() override;
  OdDbDatabase* currentDatabase() override;
  bool commandBracketNeeded() override { return true; }
  void openCommandBracket(const OdString&) override { ++m_brackets; }
  void closeCommandBracket() override { if (m_brackets > 0) --m_brackets; }
  void printMessage(const OdString& text) override;
  std::vector<OdDbObjectId> pickfirstSelection() override { return m_pickfirst; }
  void clearPickfirstSelection() override { m_pickfirst.clear(); }
  host_selection_result selectObjects(const OdString& prompt, int flags, std::vector<OdDbObjectId>& ids) override;
  int getPoint(const OdString& prompt, OdGePoint3d& point, const OdGePoint3d* basePoint, HostEdInputTracker* tracker,
               const OdString& keywords, int flags) override;
  int getString(const OdString& prompt, OdString& text, int flags) override;
  void postCommandString(const OdString& text) override;
  void addMessageFilter(HostEdMessageFilter* filter) override;
  void removeMessageFilter(HostEdMessageFilter* filter) override;
  IHostView* activeView() override;
  void entityUpdated(const OdDbObjectId&) override;
  OdResBuf getSysVar(const OdString& name) override { return currentDatabase()->getSysVar(name); }
  void setSysVar(const OdString& name, const OdResBuf& value) override { currentDatabase()->setSysVar(name, value); }

  // IApp
  IProfile* profile() override { return &m_profile; }
  IEvents* events() override { return this; }
  IHelpService* helpService() override { return this; }
  IHostDialogs* dialogs() override { return this; }
  const IParam* params() override { return m_params; }
  // The parameter tree the host offers (not owned; null for none).
  void setParams(const IParam* params) { m_params = params; }
  qt_win_system* winSystem() override { return &m_windowing; }
  int messageBox(const OdString& text, const OdString& helpTopic, int buttons) override;
  bool showHelp(const OdString& topic) override;
  int showDialog(host_dialog_model& dialog) override;
  int trackPopupMenu(const std::vector<host_menu_item>& items) override;
  bool showsModeless() const override { return true; }
  void openModeless(host_window_model& window) override;
  void closeModeless(host_window_model& window) override;

  // The formatting toolbar while an edit runs, else null.
  format_toolbar_view* toolbar() const { return m_toolbar; }

signals:
  void commandEnded(const QString& name, int result);

private:
  const IParam* m_params = nullptr;
  enum class waiting { nothing, point, string, selection };
  struct wait_state;

  int wait(waiting kind, const QString& prompt);
  void finish(int result);
  void typed(const QString& text);
  void cancelled();
  bool viewMessage(const host_message& message);
  bool filterMessage(const host_message& message);
  void answered(const QString& answer);

  drawing_view& m_view;
  command_line& m_line;
  host_document* m_document = nullptr;
  qt_win_system m_windowing;
  host_memory_profile m_profile;
  std::vector<OdDbObjectId> m_pickfirst;
  std::vector<HostEdMessageFilter*> m_filters;
  std::unique_ptr<wait_state> m_wait;
  OdString m_posted;
  QString m_last_command;
  format_toolbar_view* m_toolbar = nullptr;
  std::optional<QPoint> m_menuAnchor;  // where the next popup opens (global), once
  QPoint m_pointer;                    // the last mouse message's place (global)
  int m_brackets = 0;
  bool m_running = false;
};

}  // namespace gui
