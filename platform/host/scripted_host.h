// scripted_host: runs commands on one drawing with every prompt, message box,
// dialog and keystroke answered from a line-based script, and keeps a
// transcript of what the user would have seen.
//
// While it lives it is the process's current host: the exported entry
// points (get_host_funcptr, GetApp) answer its services. One at a time.
// The script language is described in scripted_script.h.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/host/IApp.h"
#include "platform/host/IHostAppServices.h"

class HostParamNode;

// What a script run came to.
struct scripted_outcome {
  int commands = 0;         // commands started
  int completed = 0;        // ended with kCmdDone
  int cancelled = 0;        // ended with kCmdCancelled (or cancelled by the script)
  std::vector<std::string> errors;  // script errors, each naming its line
  std::vector<int> results;         // each command's result code, in order
  bool ok() const { return errors.empty() && cancelled == 0; }
};

class scripted_host {
public:
  // The host works on `database` (kept referenced) under the document name.
  explicit scripted_host(OdDbDatabase* database, const OdString& documentName = u"Drawing1.dxf");
  ~scripted_host();
  scripted_host(const scripted_host&) = delete;
  scripted_host& operator=(const scripted_host&) = delete;

  // Runs a whole script (UTF-8 text); `source` names it in error messages.
  scripted_outcome run(std::string_view script, const std::string& source = "script");

  // Everything shown so far, one line each (UTF-8, '\n' terminated).
  const std::string& transcript() const;
  void clearTranscript();

  // The host's parts, for tests and the desktop shell to inspect or preset.
  IHostAppServices& services();
  IApp& app();
  // Help topics shown, in order.
  const std::vector<OdString>& helpTopicsShown() const;
  // Redraw requests (hostEntUpd), in order.
  const std::vector<OdDbObjectId>& updatedEntities() const;
  // Command brackets opened and not yet closed.
  int openCommandBrackets() const;
  // The temporary drawables the view holds now.
  std::size_t temporaryDrawableCount() const;
  // The pick-first selection the next command starts with.
  void setPickfirstSelection(std::vector<OdDbObjectId> ids);
  // When one script runs over many drawings, a command may end early on a
  // drawing that has nothing for it (no texts to select); with `skip` its
  // remaining answers are then skipped rather than errors.
  void setSkipAnswersOfEndedCommands(bool skip);
  // The parameter tree IApp::params answers (not owned; may be null).
  void setParams(const IParam* params);

  struct impl;

private:
  std::unique_ptr<impl> m_impl;
};
