// The host that runs now: the services and application object the host's
// exported entry points answer. A host installs itself while it lives.
#pragma once

class IApp;
class IHostAppServices;

// Makes these the current host's parts; nulls uninstall.
void hostSetCurrent(IHostAppServices* services, IApp* app);
IHostAppServices* hostCurrentServices();
IApp* hostCurrentApp();
