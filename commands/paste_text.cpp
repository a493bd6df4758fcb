// PasteText: clipboard text as a new Text (one plain line) or MText
// (several lines, or "MText" content), placed by the user at a point.
#include "commands/mtext_commands.h"
#include "editor/clipboard.h"
#include "mtext/escape.h"
#include "platform/host/HostModule.h"
#include "platform/host/IApp.h"
#include "platform/host/host_drawing.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/win/IWinSystem.h"
#include "platform/win/clipboard_session.h"
#include "platform/win/memory_clipboard.h"

namespace {

win::IClipboard& clipboard() {
  if (win::IWinSystem* system = hostWinSystem()) return system->clipboard();
  return win::process_clipboard();
}

// The style's fixed size, else TEXTSIZE.
double pasted_height(const OdDbDatabase& db) {
  const OdDbObjectPtr record = db.getTEXTSTYLE().openObject(OdDb::kForRead);
  if (!record.isNull() && record->isKindOf(OdDbTextStyleTableRecord::desc())) {
    const double fixed = static_cast<const OdDbTextStyleTableRecord&>(*record).textSize();
    if (fixed != 0.0) return fixed;
  }
  return db.getTEXTSIZE();
}

// Normal and direction from the host's current text orientation.
template <class Text>
void take_text_orientation(Text& text) {
  OdGeVector3d normal = OdGeVector3d::kZAxis;
  double rotation = 0.0;
  getTextOrientation(normal, rotation);
  text.setNormal(normal);
  text.setRotation(rotation);
}

OdDbEntityPtr new_mtext(OdDbDatabase& db, const std::u16string& contents) {
  OdDbMTextPtr text = OdDbMText::createObject();
  text->setDatabaseDefaults(&db);
  text->setTextHeight(pasted_height(db));
  take_text_orientation(*text);
  text->setContents(OdString(contents));
  return OdDbEntityPtr(text.get());
}

OdDbEntityPtr new_text(OdDbDatabase& db, const std::u16string& line) {
  OdDbTextPtr text = OdDbText::createObject();
  text->setDatabaseDefaults(&db);
  text->setTextStyle(db.getTEXTSTYLE());
  text->setHeight(pasted_height(db));
  take_text_orientation(*text);
  text->setTextString(OdString(line));
  return OdDbEntityPtr(text.get());
}

// Plain text: one line makes a Text, more make an MText of escaped lines.
OdDbEntityPtr from_plain(OdDbDatabase& db, std::u16string plain) {
  if (plain.find(u'\n') != std::u16string::npos) return new_mtext(db, mtext::escape_mtext(plain.c_str(), true));
  std::erase(plain, u'\r');
  return new_text(db, plain);
}

void move_to(OdDbEntity& entity, const OdGePoint3d& point) {
  if (entity.isKindOf(OdDbMText::desc())) static_cast<OdDbMText&>(entity).setLocation(point);
  else if (entity.isKindOf(OdDbText::desc())) static_cast<OdDbText&>(entity).setPosition(point);
}

// The new object at the cursor while its point is picked.
class paste_preview : public HostEdPointTracker {
public:
  explicit paste_preview(OdDbEntity& entity) : m_entity(entity) {}
  int attach(IHostView* view) override {
    m_view = view;
    if (view) view->add(&m_entity, kViewTemporaryMode, kViewTemporaryFlags);
    return 1;
  }
  void detach(IHostView* view) override {
    if (view) view->erase(&m_entity);
    m_view = nullptr;
  }

protected:
  void trackPoint(const OdGePoint3d& point) override {
    move_to(m_entity, point);
    if (m_view) m_view->update();
  }

private:
  OdDbEntity& m_entity;
  IHostView* m_view = nullptr;
};

void place(IHostAppServices& host, OdDbEntity& entity) {
  const bool multiline = entity.isKindOf(OdDbMText::desc());
  paste_preview preview(entity);
  OdGePoint3d point;
  if (host.getPoint(multiline ? u"Specify first corner" : u"Input origin of text", point, nullptr, &preview,
                    OdString(), 0) != kInputPoint)
    return;
  move_to(entity, point);
  OdDbDatabase& db = *host.currentDatabase();
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db.activeSpaceId().openObject(OdDb::kForWrite).get());
  space->appendOdDbEntity(&entity);
}

}  // namespace

bool PasteText(bool queryOnly) {
  win::IClipboard& board = clipboard();
  const win::clipboard_format rich = editor::mtext_clipboard_format(board);
  const bool has_rich = rich != 0 && board.isFormatAvailable(rich);
  if (!has_rich && !board.isFormatAvailable(win::CF_UNICODETEXT)) return false;
  if (queryOnly) return true;
  IHostAppServices* host = hostAppServices();
  if (!host || !host->currentDatabase()) return false;
  const win::clipboard_session session(board, win::window_id::none);
  if (!session) return false;
  const std::optional<std::u16string> data = board.getData(has_rich ? rich : win::CF_UNICODETEXT);
  if (!data) return true;
  OdDbDatabase& db = *host->currentDatabase();
  const OdDbEntityPtr made = has_rich ? new_mtext(db, *data) : from_plain(db, *data);
  place(*host, *made);
  return true;
}
