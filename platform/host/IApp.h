// IApp: the host application object, giving the module the host's
// profile, message boxes, help, dialogs and parameter tree.
#pragma once

#include "platform/host/IHelpService.h"
#include "platform/host/IEvents.h"
#include "platform/host/IHostDialogs.h"
#include "platform/host/IParam.h"
#include "platform/host/IProfile.h"

namespace win {
class IWinSystem;
}

class IApp {
public:
  virtual ~IApp() = default;
  virtual IProfile* profile() = 0;
  virtual IEvents* events() = 0;
  virtual IHelpService* helpService() = 0;
  virtual IHostDialogs* dialogs() = 0;
  // The host's parameter tree (e.g. the alphabets' node), or null.
  virtual const IParam* params() = 0;
  // The windowing layer the in-place editor talks to (key state, timers,
  // clipboard); null when the host has none to offer.
  virtual win::IWinSystem* winSystem() { return nullptr; }
};

// The services of the current host's application object, each null when
// no host runs (the "Get_IEvents" and "Get_IHelpService" exports).
IEvents* Get_IEvents();
IHelpService* Get_IHelpService();
IHostDialogs* hostDialogs();
IProfile* hostProfile();
win::IWinSystem* hostWinSystem();
