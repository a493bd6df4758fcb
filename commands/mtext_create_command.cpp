// "MTextCreate": a new MText framed by two corners picked over a rubber-band
// preview, then typed in the in-place editor; appended only when saved.
#include <cmath>

#include "commands/command_support.h"
#include "commands/mtext_commands.h"
#include "platform/host/HostModule.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdGiDrawableImpl.h"
#include "platform/sdk/OdGiWorldDraw.h"

namespace {

// The rubber band: a closed outline through its vertices.
class frame_outline : public OdGiDrawableImpl<> {
public:
  static OdSmartPtr<frame_outline> create() {
    return OdSmartPtr<frame_outline>(new OdRxObjectImpl<frame_outline>(), kOdRxObjAttach);
  }
  std::vector<OdGePoint3d> vertices;

protected:
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override {
    if (vertices.empty()) return true;
    worldDraw->subEntityTraits().setColor(7);
    worldDraw->subEntityTraits().setLineType(u"Continuous");
    std::vector<OdGePoint3d> closed = vertices;
    closed.push_back(vertices.front());
    worldDraw->geometry().polyline(static_cast<std::int32_t>(closed.size()), closed.data());
    return true;
  }
};

// Text heights are refused at or below this size.
constexpr double no_height = 1e-10;
constexpr double default_height = 2.5;

// TEXTSIZE unless it is 0; a style of fixed height wins, scaled by DIMSCALE.
double new_mtext_height(const OdDbDatabase& db, const OdDbObjectId& styleId) {
  double height = std::fabs(db.getTEXTSIZE()) > no_height ? db.getTEXTSIZE() : default_height;
  const OdDbObjectPtr record = styleId.openObject(OdDb::kForRead);
  if (!record.isNull() && record->isKindOf(OdDbTextStyleTableRecord::desc())) {
    const double fixed = static_cast<const OdDbTextStyleTableRecord&>(*record).textSize();
    if (fixed != 0.0) height = db.getDIMSCALE() != 0.0 ? fixed * db.getDIMSCALE() : fixed;
  }
  return height;
}

OdDbMTextPtr new_mtext(OdDbDatabase& db, const OdDbObjectId& styleId) {
  OdDbMTextPtr text = OdDbMText::createObject();
  text->setDatabaseDefaults(&db);
  text->setTextStyle(styleId.isNull() ? db.getTEXTSTYLE() : styleId);
  text->setTextHeight(new_mtext_height(db, text->textStyle()));
  return text;
}

// The corners not given, over the preview; the input result of the prompt that ended it.
int pick_corners(IHostAppServices& host, HostEdInputTracker& tracker, const mtext_creation& how,
                 mtext_editing::new_frame& frame) {
  auto* preview = dynamic_cast<MTPreviewTracker*>(&tracker);
  if (how.first) {
    frame.first = *how.first;
  } else {
    const int first = host.getPoint(u"Specify first corner", frame.first, nullptr, &tracker, OdString(), 0x1000);
    if (first != kInputPoint) return first;
  }
  if (preview) preview->setCorner(frame.first);
  if (how.width) {
    frame.second = frame.first + OdGeVector3d(*how.width, 0.0, 0.0);
    return kInputPoint;
  }
  return host.getPoint(u"Specify opposite corner", frame.second, &frame.first, &tracker, OdString(), 0);
}

void append_to_current_space(OdDbDatabase& db, OdDbMText& text) {
  // A height the style or the default chose becomes the drawing's
  // TEXTSIZE, once there is a text that uses it.
  if (text.textHeight() != db.getTEXTSIZE()) db.setTEXTSIZE(text.textHeight());
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db.activeSpaceId().openObject(OdDb::kForWrite).get());
  space->appendOdDbEntity(&text);
}

}  // namespace

MTPreviewTracker::MTPreviewTracker(OdDbMTextPtr text) : m_text(std::move(text)) {
  m_text->setContents(u"ABC");
  m_normal = m_text->normal().isZeroLength() ? OdGeVector3d::kZAxis : m_text->normal();
}

MTPreviewTracker::~MTPreviewTracker() = default;

int MTPreviewTracker::attach(IHostView* view) {
  m_view = view;
  addToView();
  return 1;
}

void MTPreviewTracker::detach(IHostView* view) {
  if (view) {
    view->erase(m_text.get());
    if (!m_frame.isNull()) view->erase(m_frame.get());
  }
  m_view = nullptr;
}

void MTPreviewTracker::addToView() {
  if (!m_view) return;
  m_view->add(m_text.get(), kViewTemporaryMode, kViewTemporaryFlags);
  if (!m_frame.isNull()) m_view->add(m_frame.get(), kViewTemporaryMode, kViewTemporaryFlags);
}

void MTPreviewTracker::setCorner(const OdGePoint3d& corner) {
  m_corner = corner;
  m_cornerSet = true;
  m_text->setLocation(corner);
}

std::vector<OdGePoint3d> MTPreviewTracker::frameVertices() const {
  if (!m_seen) return {};
  const OdGeVector3d x = m_text->direction();
  const OdGeVector3d y = m_normal.crossProduct(x);
  const OdGeVector3d diagonal = m_cursor - m_corner;
  const OdGeVector3d along = x * diagonal.dotProduct(x), up = y * diagonal.dotProduct(y);
  return {m_corner, m_corner + along, m_corner + along + up, m_corner + up};
}

void MTPreviewTracker::trackPoint(const OdGePoint3d& point) {
  m_cursor = point;
  m_seen = true;
  if (!m_cornerSet) {
    m_corner = point;
    m_text->setLocation(point);
  }
  if (m_frame.isNull()) {
    m_frame = frame_outline::create();
    addToView();
  }
  static_cast<frame_outline&>(*m_frame).vertices = frameVertices();
  if (m_view) m_view->update();
}

mtext_creation_end createMTextByCorners(IHostAppServices& host, const OdDbMTextPtr& text, const mtext_creation& how) {
  // A text not created keeps the contents its caller gave it, not the preview's.
  const OdString given = text->contents();
  mtext_editing::editor_request request;
  {
    MTPreviewTracker own(text);
    HostEdInputTracker& tracker = how.tracker ? *how.tracker : own;
    mtext_editing::new_frame frame;
    const int input = pick_corners(host, tracker, how, frame);
    if (input != kInputPoint) text->setContents(given);
    if (input == kInputCancel) return mtext_creation_end::cancelled;
    if (input != kInputPoint) return mtext_creation_end::ended;
    request.frame = frame;
  }
  text->setContents(OdString());
  const int code = mtext_editing::run_mtext_editor(host, text, request);
  if (code == kEditAccepted || code == kEditSavedOnCancel) return mtext_creation_end::created;
  text->setContents(given);
  return mtext_creation_end::cancelled;
}

namespace {

// The exported creation entry points' end: true when the text was made;
// `cancelled` tells a cancel from a text not made for another reason.
bool created_by_corners(IHostAppServices& input, const OdDbMTextPtr& text, const mtext_creation& how, bool* cancelled,
                        OdDbMTextPtr* made) {
  const mtext_creation_end end = createMTextByCorners(input, text, how);
  if (cancelled) *cancelled = end == mtext_creation_end::cancelled;
  if (end != mtext_creation_end::created) return false;
  if (made) *made = text;
  return true;
}

}  // namespace

bool newMTextAtt(OdDbDatabase* db, IHostAppServices* input, const OdDbObjectId& styleId, const double* width,
                 bool* cancelled, HostEdInputTracker* tracker, OdDbMTextPtr* made) {
  if (cancelled) *cancelled = false;
  if (!input) input = hostAppServices();
  if (!db || !input || !width) return false;
  const OdDbMTextPtr text = new_mtext(*db, styleId);
  mtext_creation how;
  how.width = *width;
  how.tracker = tracker;
  return created_by_corners(*input, text, how, cancelled, made);
}

bool newMTextEmbedded(const OdDbMTextPtr& text, IHostAppServices* input, HostEdInputTracker* tracker,
                      const OdDbObjectId& styleId, bool firstGiven, const OdGePoint3d& first, const double* width,
                      double height, bool widthGiven, bool* cancelled, OdDbMTextPtr* made) {
  if (cancelled) *cancelled = false;
  if (!input) input = hostAppServices();
  if (text.isNull() || !input) return false;
  if (!styleId.isNull()) text->setTextStyle(styleId);
  if (height > 0.0) text->setTextHeight(height);
  mtext_creation how;
  if (firstGiven) how.first = first;
  if (widthGiven && width) how.width = *width;
  how.tracker = tracker;
  return created_by_corners(*input, text, how, cancelled, made);
}

int CMTCreateCmd::execute() {
  IHostAppServices* host = hostAppServices();
  if (!host || !host->currentDatabase()) return kCmdRunning;
  host_command_bracket bracket(host, u"MTextCreate");
  OdDbDatabase& db = *host->currentDatabase();
  const OdDbMTextPtr text = new_mtext(db, OdDbObjectId());
  switch (createMTextByCorners(*host, text, mtext_creation{})) {
    case mtext_creation_end::cancelled: return kCmdCancelled;
    case mtext_creation_end::ended: return kCmdDone;
    case mtext_creation_end::created: break;
  }
  append_to_current_space(db, *text);
  return kCmdDone;
}
