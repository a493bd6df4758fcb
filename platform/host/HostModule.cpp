// Locating the host's exports by name and registering commands at load time.
#include "platform/host/HostModule.h"

#include <dlfcn.h>

#include "platform/host/IApp.h"

namespace {

// The exported function of that name, or null: the program is linked with
// its symbols exported, so the default search scope finds them.
template <class F>
F find_export(const char* name) {
  return reinterpret_cast<F>(dlsym(RTLD_DEFAULT, name));
}

}  // namespace

ICmdFactory* hostLocateCommandFactory() {
  auto create = find_export<new_ICmdFactory_fn>("new_ICmdFactory");
  if (!create) return nullptr;
  ICmdFactory* factory = nullptr;
  if (!create(&factory)) return nullptr;
  return factory;
}

IHostAppServices* hostAppServices() {
  auto get = find_export<get_host_funcptr_fn>("get_host_funcptr");
  if (!get) return nullptr;
  host_service_getter service = get(kHostServiceAppServices);
  return service ? static_cast<IHostAppServices*>(service()) : nullptr;
}

IApp* hostApp() {
  auto get = find_export<GetApp_fn>("GetApp");
  return get ? get() : nullptr;
}

host_command_registration::host_command_registration(const char16_t* name, host_command_creator creator,
                                                     const char16_t* group, int flags) {
  ICmdFactory* factory = hostLocateCommandFactory();
  if (!factory) return;
  registered = factory->Register(name, creator, group, flags) == 1;
  factory->Release();
}

IEvents* Get_IEvents() {
  IApp* app = hostApp();
  return app ? app->events() : nullptr;
}

IHelpService* Get_IHelpService() {
  IApp* app = hostApp();
  return app ? app->helpService() : nullptr;
}

IHostDialogs* hostDialogs() {
  IApp* app = hostApp();
  return app ? app->dialogs() : nullptr;
}

IProfile* hostProfile() {
  IApp* app = hostApp();
  return app ? app->profile() : nullptr;
}

win::IWinSystem* hostWinSystem() {
  IApp* app = hostApp();
  return app ? app->winSystem() : nullptr;
}
