// Trackers: the module's live previews during point input. The host attaches
// a tracker to its view when an input starts, feeds it window messages while
// the input runs (mouse moves carry the cursor point) and detaches it when
// the input ends, on every path.
#pragma once

#include <vector>

#include "platform/host/HostEdMessageFilter.h"
#include "platform/host/IHostView.h"
#include "platform/sdk/OdGePoint3d.h"

// Dimensions a jig shows while it runs (a length or angle the user could
// type instead of picking); descriptive for the host.
struct HostEdJigDimData {
  enum kind_t { kLength, kAngle };
  struct dimension {
    kind_t kind = kLength;
    OdGePoint3d from, to;
    double value = 0.0;
  };
  std::vector<dimension> dimensions;
};

class HostEdInputTracker {
public:
  virtual ~HostEdInputTracker() = default;
  // Adds the tracker's temporary drawables to the view (mode 1, flags
  // 0x300); answers a non-zero value when attached.
  virtual int attach(IHostView* view) = 0;
  // Removes them again.
  virtual void detach(IHostView* view) = 0;
  // Dimensions to show, or null.
  virtual HostEdJigDimData* jigDimData() { return nullptr; }
};

// A tracker for point input: the host hands it the window messages of the
// input (a mouse move, 512, with the cursor point) through its filter.
class HostEdPointTracker : public HostEdInputTracker, public HostEdMessageFilter {
public:
  // Default: a mouse move calls trackPoint; nothing is consumed.
  bool filterMessage(const host_message& message) override;

protected:
  // The cursor moved to `point` (world coordinates).
  virtual void trackPoint(const OdGePoint3d& /*point*/) {}
};
