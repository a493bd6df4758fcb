// The point tracker's default message handling.
#include "platform/host/HostEdInputTracker.h"

bool HostEdPointTracker::filterMessage(const host_message& message) {
  if (message.message == kMsgMouseMove) trackPoint(message.point);
  return false;
}
