// The test commands, registered from static initialisers as modules do.
#include "tests/host/probe_command.h"

#include <array>

#include "platform/host/HostCmdProcessBase.h"
#include "platform/host/HostEdInputTracker.h"
#include "platform/host/host_printf.h"
#include "platform/sdk/OdDbText.h"

namespace {

probe_body& body() {
  static probe_body current;
  return current;
}
int g_live = 0;

class CProbeCmd : public HostCmdProcessBase {
public:
  CProbeCmd() { ++g_live; }
  ~CProbeCmd() override { --g_live; }

protected:
  int execute() override {
    IHostAppServices* services = hostAppServices();
    if (!services || !body()) return kCmdCancelled;
    return body()(*services);
  }
};

// Shows a moved copy of the first selected text while the second point is picked.
class shift_tracker : public HostEdPointTracker {
public:
  shift_tracker(const OdDbText& text, const OdGePoint3d& base) : m_base(base), m_start(text.position()) {
    m_preview = OdDbText::createObject();
    m_preview->setTextString(text.textString());
    m_preview->setPosition(m_start);
  }
  int attach(IHostView* view) override { return view->add(m_preview.get(), kViewTemporaryMode, kViewTemporaryFlags) ? 2 : 0; }
  void detach(IHostView* view) override { view->erase(m_preview.get()); }
  OdGePoint3d previewPosition() const { return m_preview->position(); }

protected:
  void trackPoint(const OdGePoint3d& point) override { m_preview->setPosition(m_start + (point - m_base)); }

private:
  OdGePoint3d m_base, m_start;
  OdDbTextPtr m_preview;
};

class CShiftCmd : public HostCmdProcessBase {
protected:
  int execute() override {
    IHostAppServices* services = hostAppServices();
    std::vector<OdDbObjectId> ids;
    const host_selection_result picked = services->selectObjects(u"Select texts", 0, ids);
    if (picked == host_selection_result::cancelled) return kCmdCancelled;
    std::vector<OdDbTextPtr> texts;
    for (const OdDbObjectId& id : ids)
      if (OdDbObjectPtr object = id.openObject(); object && object->isKindOf(OdDbText::desc()))
        texts.push_back(OdDbText::cast(object.get()));
    if (texts.empty()) {
      hostPrintf(u"%s", u"Selected objects are not texts");
      return kCmdDone;
    }
    OdGePoint3d base, target;
    if (services->getPoint(u"Base point", base, nullptr, nullptr, u"", 0) != kInputPoint) return kCmdCancelled;
    shift_tracker tracker(*texts.front(), base);
    if (services->getPoint(u"Second point", target, &base, &tracker, u"", 4) != kInputPoint) return kCmdCancelled;
    host_command_bracket bracket(services, u"TestShift");
    for (const OdDbTextPtr& text : texts) {
      text->upgradeOpen();
      text->setPosition(text->position() + (target - base));
    }
    hostPrintf(u"%d text(s) moved by %.2f", int(texts.size()), target.distanceTo(base));
    return kCmdDone;
  }
};

host_command_registration g_probe{u"TestProbe", &hostCreateCommand<CProbeCmd>, u"HOST", 2};
host_command_registration g_shift{u"TestShift", &hostCreateCommand<CShiftCmd>};

}  // namespace

void setProbeBody(probe_body next) { body() = std::move(next); }
int liveProbeCommands() { return g_live; }
bool probeRegistered() { return g_probe.registered; }
bool shiftRegistered() { return g_shift.registered; }
