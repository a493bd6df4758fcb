// The module's side of start-up: locating the host's exported entry points
// and registering commands from static initialisers.
//
// The host program exports three C functions (the program and the test
// executables are linked with their symbols exported):
//   new_ICmdFactory  fills an ICmdFactory pointer (AddRef'd);
//   get_host_funcptr given a selector (1 or 2) answers a function that
//                    answers a service; selector 2 is IHostAppServices;
//   GetApp           answers the IApp object (not AddRef'd).
// They are looked up by name at run time; when one is missing the caller
// gives up quietly (registration does nothing, services are null).
#pragma once

#include "platform/host/ICmdFactory.h"

class IApp;
class IHostAppServices;

using host_service_getter = void* (*)();

extern "C" {
using new_ICmdFactory_fn = int (*)(ICmdFactory** out);
using get_host_funcptr_fn = host_service_getter (*)(int selector);
using GetApp_fn = IApp* (*)();
}

enum host_service_selector : int {
  kHostServiceEvents = 1,
  kHostServiceAppServices = 2,
};

// The command factory, AddRef'd, or null when the host exports none.
ICmdFactory* hostLocateCommandFactory();
// The application services, or null when the host has none running.
IHostAppServices* hostAppServices();
// The application object, or null.
IApp* hostApp();

// Registers one command at load time:
//   static host_command_registration reg{u"TJust", &createTJust, u"HOST", 2};
// `registered` tells whether a host took it.
struct host_command_registration {
  host_command_registration(const char16_t* name, host_command_creator creator,
                            const char16_t* group = u"HOST", int flags = 0);
  bool registered = false;
};
