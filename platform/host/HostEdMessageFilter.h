// HostEdMessageFilter: sees every window message while it is installed and
// may consume it (the in-place editor and the point trackers are filters).
#pragma once

#include "platform/host/host_message.h"

class HostEdMessageFilter {
public:
  virtual ~HostEdMessageFilter() = default;
  // Answers true when the message was consumed (the host does no more with it).
  virtual bool filterMessage(const host_message& message) = 0;
};
