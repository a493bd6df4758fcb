// The text commands "justifytext", "TJust", "Text2MText", "TextFit" and
// "TCase": their command classes, registered with the host at load time.
//
// Each command asks through the host's application services, changes the
// drawing only after its last answer (so cancelling any prompt leaves the
// drawing as it was) and leaves objects on locked layers unchanged, saying
// how many it skipped.
#pragma once

#include <memory>

#include "commands/text_fit.h"
#include "platform/host/HostCmdProcessBase.h"
#include "platform/host/HostEdInputTracker.h"

class CJustifyTextCmd : public HostCmdProcessBase {
protected:
  int execute() override;
};

class CTJustCmd : public HostCmdProcessBase {
protected:
  int execute() override;
};

class CText2MTextCmd : public HostCmdProcessBase {
protected:
  int execute() override;
};

class CTextFitCmd : public HostCmdProcessBase {
protected:
  int execute() override;
};

class CTCase : public HostCmdProcessBase {
protected:
  int execute() override;
};

// The live preview of "TextFit": a left/baseline clone of the Text whose
// rotation and width factor follow the cursor.
class TextFitTracker : public HostEdPointTracker {
public:
  explicit TextFitTracker(const OdDbText& text);
  int attach(IHostView* view) override;
  void detach(IHostView* view) override;

  OdDbText& preview() { return *m_clone; }
  const text_fit::frame& frame() const { return m_frame; }
  // The clone's start moves to `point`; the plane and start are taken again.
  void moveStart(const OdGePoint3d& point);
  // Follows a cursor point; false (the preview unchanged) at the start point.
  bool follow(const OdGePoint3d& point);

protected:
  void trackPoint(const OdGePoint3d& point) override { follow(point); }

private:
  OdDbTextPtr m_clone;
  text_fit::frame m_frame;
  IHostView* m_view = nullptr;
};

// Whether the module's commands are in the host's table (also makes sure a
// program linking this library keeps their registrations).
bool textCommandsRegistered();
