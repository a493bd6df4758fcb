// ICmdFactory: the host's table of commands, filled by modules at load time.
#pragma once

#include "platform/host/ICmdProcess.h"
#include "platform/sdk/OdString.h"

// Fills `out` with a new command object (reference count 1) and answers 1;
// 0 when it could not make one.
using host_command_creator = int (*)(ICmdProcess** out);

class ICmdFactory : public IHostUnknown {
public:
  // Registers a command under `name` in `group` ("HOST") with the host's
  // command flags; answers 1, or 0 when the name is empty, the creator null
  // or the name already taken (the first registration stays).
  virtual int Register(const OdString& name, host_command_creator creator,
                       const OdString& group, int flags) = 0;
  // The same in group "HOST" with flags 0.
  virtual int Register(const OdString& name, host_command_creator creator) = 0;

protected:
  ~ICmdFactory() = default;
};
