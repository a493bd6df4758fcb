// ICmdProcess: one run of a command, as the host creates, runs and releases it.
//
// The host makes the object through the command's creator (one reference),
// sets its context, calls Run once, reads the result and releases it.
#pragma once

#include "platform/host/IHostUnknown.h"

// Result codes of Run.
enum host_command_result : int {
  kCmdDone = 0,
  kCmdCancelled = 1,
  kCmdRunning = 2,  // still running, or nothing was done
};

class ICmdProcess : public IHostUnknown {
public:
  // Runs the command; answers the result code and keeps it for Result.
  virtual int Run() = 0;
  // The result code of the last Run (kCmdRunning before it).
  virtual int Result() const = 0;
  // A second result, 0 for commands that have none.
  virtual int Result2() const = 0;
  // The host's capability query; commands answer 1.
  virtual int Query() const = 0;
  // The host context the command runs in, AddRef'd (null when none was set).
  virtual IHostUnknown* GetContext() = 0;
  // Replaces the context, taking a reference of its own.
  virtual void SetContext(IHostUnknown* context) = 0;
  // Drops what the command holds before the host's last Release.
  virtual void Destroy() = 0;

protected:
  ~ICmdProcess() = default;
};
