// The current host and the host's exported entry points "get_host_funcptr"
// and "GetApp", which answer its parts.
#include "platform/host/host_current.h"

#include "platform/host/HostModule.h"
#include "platform/host/IApp.h"

namespace {

IHostAppServices* g_services = nullptr;
IApp* g_app = nullptr;

void* current_services() { return g_services; }
void* current_events() { return g_app ? g_app->events() : nullptr; }

}  // namespace

void hostSetCurrent(IHostAppServices* services, IApp* app) {
  g_services = services;
  g_app = app;
}

IHostAppServices* hostCurrentServices() { return g_services; }
IApp* hostCurrentApp() { return g_app; }

extern "C" host_service_getter get_host_funcptr(int selector) {
  switch (selector) {
    case kHostServiceEvents: return &current_events;
    case kHostServiceAppServices: return &current_services;
    default: return nullptr;
  }
}

extern "C" IApp* GetApp() { return g_app; }
