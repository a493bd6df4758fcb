// The scripted host's inside: its services, application object, view and
// the cursor over the script. Shared by scripted_host.cpp (running scripts)
// and scripted_prompts.cpp (answering prompts).
#pragma once

#include <utility>

#include "platform/host/host_document.h"
#include "platform/host/host_memory_profile.h"
#include "platform/host/scripted_host.h"
#include "platform/host/scripted_script.h"
#include "platform/host/IHostView.h"
#include "platform/win/memory_win_system.h"

class scripted_view final : public IHostView {
public:
  bool add(OdGiDrawable* drawable, int mode, int flags) override;
  bool erase(OdGiDrawable* drawable) override;
  void update() override { ++updates; }

  std::vector<OdGiDrawablePtr> drawables;
  int updates = 0;
};

struct scripted_host::impl final : IHostAppServices, IApp, IEvents, IHelpService, IHostDialogs {
  impl(OdDbDatabase* database, const OdString& documentName);
  ~impl() override;

  // IHostAppServices
  IHostDocument* currentDocument() override { return document; }
  OdDbDatabase* currentDatabase() override { return document->database(); }
  bool commandBracketNeeded() override { return true; }
  void openCommandBracket(const OdString&) override { ++bracketDepth; }
  void closeCommandBracket() override { if (bracketDepth > 0) --bracketDepth; }
  void printMessage(const OdString& text) override;
  std::vector<OdDbObjectId> pickfirstSelection() override { return pickfirst; }
  void clearPickfirstSelection() override { pickfirst.clear(); }
  host_selection_result selectObjects(const OdString& prompt, int flags, std::vector<OdDbObjectId>& ids) override;
  int getPoint(const OdString& prompt, OdGePoint3d& point, const OdGePoint3d* basePoint,
               HostEdInputTracker* tracker, const OdString& keywords, int flags) override;
  int getString(const OdString& prompt, OdString& text, int flags) override;
  void postCommandString(const OdString& text) override { posted = text; }
  void addMessageFilter(HostEdMessageFilter* filter) override;
  void removeMessageFilter(HostEdMessageFilter* filter) override;
  IHostView* activeView() override { return &view; }
  void entityUpdated(const OdDbObjectId& id) override { updated.push_back(id); }
  OdResBuf getSysVar(const OdString& name) override { return currentDatabase()->getSysVar(name); }
  void setSysVar(const OdString& name, const OdResBuf& value) override { currentDatabase()->setSysVar(name, value); }

  // IApp
  IProfile* profile() override { return &profileStore; }
  IEvents* events() override { return this; }
  IHelpService* helpService() override { return this; }
  IHostDialogs* dialogs() override { return this; }
  const IParam* params() override { return paramTree; }
  win::IWinSystem* winSystem() override { return &windowing; }
  // IEvents, IHelpService, IHostDialogs
  int messageBox(const OdString& text, const OdString& helpTopic, int buttons) override;
  bool showHelp(const OdString& topic) override;
  int showDialog(host_dialog_model& dialog) override;
  // The menu command the toolbar line being fed chose; 0 closes a menu.
  int trackPopupMenu(const std::vector<host_menu_item>&) override { return std::exchange(menuChoice, 0); }

  // Running scripts (scripted_host.cpp).
  void runCommand(const script_line& line);
  void skipLeftoverAnswers(const char* commandName);
  // Snapshot and clipboard lines, which answer no prompt: true when `line` is one (and it ran).
  bool runAside(const script_line& line);
  // Writes a snapshot line's picture; a file that cannot be written is a script error.
  void takeSnapshot(const script_line& line);

  // Answering prompts (scripted_prompts.cpp).
  // The next line for a prompt, or null when the prompt is to be cancelled
  // (no answer left for this command, or the command was already given up).
  const script_line* nextAnswer(const std::string& shownPrompt);
  // A line of the wrong kind or value: an error naming it; the command is given up.
  void scriptError(const script_line& line, const std::string& message);
  // Hands a keys/mouse line to the tracker or the installed filters, with
  // the key state following each message's modifiers. The whole line is
  // delivered (a key's up as well as its down); a "^M" or "^C" posted
  // meanwhile ends the input after it.
  bool feedMessages(const script_line& line, HostEdMessageFilter* tracker);
  void holdModifiers(std::uint32_t modifiers);
  void say(const std::string& text);
  void sayAnswer(const std::string& prompt, const std::string& answer);

  host_document* document = nullptr;
  scripted_view view;
  win::memory_win_system windowing;
  host_memory_profile profileStore;
  const IParam* paramTree = nullptr;
  std::string transcript;
  std::vector<OdString> helpTopics;
  std::vector<OdDbObjectId> updated;
  std::vector<OdDbObjectId> pickfirst;
  std::vector<HostEdMessageFilter*> filters;
  int menuChoice = 0;
  OdString posted;
  int bracketDepth = 0;
  OdGePoint3d lastPoint;

  // The script being run.
  std::vector<script_line> lines;
  std::size_t next = 0;
  std::string source;
  scripted_outcome* outcome = nullptr;
  bool givenUp = false;     // the running command gets no more answers
  bool ranDry = false;      // ... because the script had none for a prompt
  bool skipEnded = false;   // answers left by a command that ended early are no error
};
