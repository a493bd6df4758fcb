// Test commands registered at load time through the host's real factory
// path: "TestProbe", whose body each test supplies, and "TestShift", a
// small real command (select texts, pick two points with a preview, move).
#pragma once

#include <functional>

#include "platform/host/IHostAppServices.h"
#include "platform/host/HostModule.h"

using probe_body = std::function<int(IHostAppServices&)>;

// The body of the next TestProbe runs; resets after each test.
void setProbeBody(probe_body body);
// How many TestProbe command objects exist now.
int liveProbeCommands();
// What the static registrations answered.
bool probeRegistered();
bool shiftRegistered();
