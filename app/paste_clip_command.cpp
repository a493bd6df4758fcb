// "PasteClip": the host's paste into the drawing. Clipboard text goes to the
// module's exported PasteText, which makes a Text or an MText of it and
// asks where to put it.
#include "app/command_module.h"
#include "platform/host/HostCmdProcessBase.h"
#include "platform/host/HostModule.h"
#include "platform/host/IHostAppServices.h"
#include "platform/sdk/OdDbDatabase.h"

namespace cadtext {
namespace {

class paste_clip_command : public HostCmdProcessBase {
protected:
  int execute() override {
    const paste_text_fn paste = module_paste_text();
    if (!paste || !paste(true)) {
      hostAppServices()->printMessage(u"The clipboard holds no text.");
      return kCmdRunning;
    }
    IHostAppServices& host = *hostAppServices();
    const std::size_t before = host.currentDatabase()->objectIds().size();
    paste(false);
    // PasteText answers only whether there was text; placing it may have been cancelled.
    return host.currentDatabase()->objectIds().size() > before ? kCmdDone : kCmdCancelled;
  }
};

const host_command_registration registration{u"PasteClip", &hostCreateCommand<paste_clip_command>};

}  // namespace
}  // namespace cadtext
