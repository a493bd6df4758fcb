// "TextFit": one Text stretched or shrunk between its start and a picked end
// point, with a live preview, keeping its justification.
#include "commands/command_support.h"
#include "commands/text_commands.h"
#include "commands/text_justify.h"
#include "platform/host/HostModule.h"
#include "platform/host/host_printf.h"
#include "platform/host/host_translate.h"

namespace {

using namespace text_commands;

constexpr int select_flags = 73728;
constexpr int point_flags = 4;

}  // namespace

TextFitTracker::TextFitTracker(const OdDbText& text) : m_clone(text_fit::copy_text(text)) {
  ApplyTextJustify(m_clone, kTextLeft, kTextBase);
  m_frame = text_fit::frame_of(*m_clone);
}

int TextFitTracker::attach(IHostView* view) {
  m_view = view;
  if (view) view->add(m_clone.get(), kViewTemporaryMode, kViewTemporaryFlags);
  return 1;
}

void TextFitTracker::detach(IHostView* view) {
  if (view) view->erase(m_clone.get());
  m_view = nullptr;
}

void TextFitTracker::moveStart(const OdGePoint3d& point) {
  m_clone->setPosition(point);
  m_frame = text_fit::frame_of(*m_clone);
}

bool TextFitTracker::follow(const OdGePoint3d& point) {
  const std::optional<text_fit::fit> fitted = text_fit::fit_to(m_frame, point);
  if (!fitted) return false;
  m_clone->setRotation(fitted->rotation);
  m_clone->setWidthFactor(fitted->width_factor);
  if (m_view) m_view->update();
  return true;
}

namespace {

// The one Text to fit, or null when the selection ended the command.
OdDbObjectId select_text(IHostAppServices& host) {
  while (true) {
    std::vector<OdDbObjectId> ids;
    const host_selection_result result = host.selectObjects(u"Select Text to stretch or shrink", select_flags, ids);
    if (result != host_selection_result::accepted || ids.size() != 1) return OdDbObjectId();
    const OdDbObjectPtr object = ids.front().openObject(OdDb::kForRead);
    if (!is_text(object.get())) {
      hostPrintf(u"%s", Supp_Translate(u"Selected object is not a Text!"));
    } else if (OdDbText::cast(object.get())->isOnLockedLayer()) {
      report_locked(1);
    } else {
      return ids.front();
    }
    host.clearPickfirstSelection();
  }
}

}  // namespace

int CTextFitCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host) return kCmdRunning;
  const OdDbObjectId id = select_text(*host);
  if (id.isNull()) return kCmdCancelled;
  TextFitTracker tracker(*OdDbText::cast(id.openObject(OdDb::kForRead).get()));

  while (true) {
    const OdGePoint3d start = tracker.preview().position();
    OdGePoint3d point;
    const int answer =
        host->getPoint(u"Specify ending point", point, &start, &tracker, u"\"Start point\" *S", point_flags);
    if (answer == kInputKeyword) {
      if (host->getPoint(u"Specify new starting point", point, nullptr, nullptr, OdString(), point_flags) !=
          kInputPoint)
        return kCmdCancelled;
      tracker.moveStart(point);
      continue;
    }
    if (answer != kInputPoint) return kCmdCancelled;
    if (!tracker.follow(point)) {
      print(u"The distance between the two points must be nonzero.");
      continue;
    }
    host_command_bracket bracket(host, u"TextFit");
    text_fit::apply(*OdDbText::cast(id.openObject(OdDb::kForWrite).get()), tracker.preview());
    host->entityUpdated(id);
    return kCmdDone;
  }
}
