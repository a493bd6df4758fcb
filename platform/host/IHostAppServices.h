// IHostAppServices: what a running command asks of the host application —
// the current drawing, the command bracket, messages, selection, point and
// string input, window-message filters and system variables.
//
// Point input answers one of host_input_result; a keyword answers
// kInputKeyword + its position in the local keyword list. Keyword lists
// are blank separated, a name with blanks in double quotes:
//   "Left Align Fit _ Left Align Fit"  local names, "_", global names
//   "\"Start point\" *S"                 "*S" gives the preceding name an alias
// A "%s" in a prompt shows the local names joined by "/".
#pragma once

#include <vector>

#include "platform/host/IHostUnknown.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdResBuf.h"

class HostEdInputTracker;
class HostEdMessageFilter;
class IHostView;

enum host_input_result : int {
  kInputPoint = -1,     // a point (or a string) was given
  kInputCancel = -2,
  kInputNone = 1,       // empty input (Enter)
  kInputKeyword = 2,    // plus the keyword's position
};

enum class host_selection_result { accepted, cancelled, none };

// A document as the host keeps it: one drawing and its name.
class IHostDocument : public IHostUnknown {
public:
  virtual OdDbDatabase* database() = 0;
  virtual OdString name() const = 0;

protected:
  ~IHostDocument() = default;
};

class IHostAppServices {
public:
  virtual ~IHostAppServices() = default;

  // The current document (not AddRef'd; null with no drawing open) and its
  // database.
  virtual IHostDocument* currentDocument() = 0;
  virtual OdDbDatabase* currentDatabase() = 0;

  // The command bracket groups a command's changes for the host's undo;
  // use host_command_bracket to open and close it.
  virtual bool commandBracketNeeded() = 0;
  virtual void openCommandBracket(const OdString& name) = 0;
  virtual void closeCommandBracket() = 0;

  // Prints a line of text on the host's command line (see hostPrintf).
  virtual void printMessage(const OdString& text) = 0;

  // The objects selected before the command (pick-first), and clearing it.
  virtual std::vector<OdDbObjectId> pickfirstSelection() = 0;
  virtual void clearPickfirstSelection() = 0;
  // Asks the user to select objects; `ids` receives them in selection order.
  virtual host_selection_result selectObjects(const OdString& prompt, int flags,
                                              std::vector<OdDbObjectId>& ids) = 0;

  // Point input; `basePoint` and `tracker` may be null, `flags` are the
  // host's input flags (kept, not interpreted, by the scripted host). The tracker is
  // attached to the view for the input and gets its messages.
  virtual int getPoint(const OdString& prompt, OdGePoint3d& point, const OdGePoint3d* basePoint,
                       HostEdInputTracker* tracker, const OdString& keywords, int flags) = 0;
  // String input: kInputPoint with the text, kInputNone for an empty
  // answer, kInputCancel. While it runs, installed message filters get the
  // window messages; posting "^M" ends it with kInputPoint, "^C" cancels.
  virtual int getString(const OdString& prompt, OdString& text, int flags) = 0;
  // Ends a running input as if typed: "^M" accepts, "^C" cancels.
  virtual void postCommandString(const OdString& text) = 0;

  // Window-message filters (the in-place editor); the last added sees
  // messages first.
  virtual void addMessageFilter(HostEdMessageFilter* filter) = 0;
  virtual void removeMessageFilter(HostEdMessageFilter* filter) = 0;
  // The view that temporary drawables go to.
  virtual IHostView* activeView() = 0;
  // Redraws one entity after a change.
  virtual void entityUpdated(const OdDbObjectId& id) = 0;

  // System variables of the current drawing by name; an unknown name throws
  // OdError(eKeyNotFound).
  virtual OdResBuf getSysVar(const OdString& name) = 0;
  virtual void setSysVar(const OdString& name, const OdResBuf& value) = 0;
};

// Opens the command bracket when the host needs one and closes it on every path.
class host_command_bracket {
public:
  host_command_bracket(IHostAppServices* services, const OdString& name);
  ~host_command_bracket();
  host_command_bracket(const host_command_bracket&) = delete;
  host_command_bracket& operator=(const host_command_bracket&) = delete;

private:
  IHostAppServices* m_services = nullptr;
};
