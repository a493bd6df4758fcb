#include "editor/smart_edit.h"

#include <cmath>
#include <numbers>

#include "mtext/geom_multitext.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

namespace editor {

bool smart_edit::_msgFilter::filterMessage(const host_message& m) {
  return m_editor.handleMessage(m.message, m.wParam, m.lParam, m.point);
}

smart_edit::smart_edit(edit_host& host, win::IWinSystem& system) : m_host(host), m_system(system) {}

smart_edit::~smart_edit() {
  m_blink.reset();
  if (m_entity) m_entity->setListeners(nullptr, nullptr);
}

void smart_edit::setUp(const OdDbMTextPtr& text, const OdCmEntityColor& view) {
  m_mtext = text;
  m_mtext->setVisibility(OdDb::kInvisible);
  setUp(ExMTextEditable::createFrom(text), false);
  m_gadget = _gadget_draw::create(m_entity, backdrop_of(*text, view));
}

void smart_edit::setUp(const OdDbTextPtr& text) {
  m_text = text;
  m_text->setVisibility(OdDb::kInvisible);
  setUp(ExMTextEditable::createFrom(text), true);
}

void smart_edit::setUp(ExMTextEditablePtr entity, bool single_line) {
  m_entity = std::move(entity);
  if (m_alphabets) m_entity->setDictionary(*m_alphabets);
  m_paragraphMode = !single_line;
  m_transform = m_entity->planeToWorld();
  m_entity->setListeners(nullptr, this);
  m_controls = text_frame::create(*m_entity, m_paragraphMode);
  // The controls lie in the text's plane, turned as the text is.
  const OdGeVector3d x = m_transform * OdGeVector3d(1.0, 0.0, 0.0);
  const OdGePoint3d origin = m_transform * OdGePoint3d(0.0, 0.0, 0.0);
  m_controls->position = {origin.x, origin.y};
  m_controls->rotation = std::atan2(x.y, x.x);
  m_gadget = _gadget_draw::create(m_entity, backdrop{});
  m_caret = caret_layer::create(m_entity);
  m_caret->transform = m_transform;
  m_blink = std::make_unique<caret_blink>(m_system, m_caret, [this] { m_host.redraw(); });
  m_entity->takeSnapshotChanges();
  m_entity->endOperation(true);
}

std::vector<OdGiDrawablePtr> smart_edit::drawables() const {
  return {m_gadget, OdGiDrawablePtr(m_entity.get()), OdGiDrawablePtr(m_controls.get()), OdGiDrawablePtr(m_caret.get())};
}

OdGePoint2d smart_edit::toPlane(const OdGePoint3d& world) const {
  const OdGePoint3d p = m_transformInForce ? m_transform.inverse() * world : world;
  return {p.x, p.y};
}

bool smart_edit::handleMessage(win::message_id message, win::wparam wParam, win::lparam lParam,
                               const OdGePoint3d& world) {
  const OdGePoint2d at = toPlane(world);
  switch (message) {
    case win::WM_SETCURSOR: chooseCursor(at); return true;
    case win::WM_LBUTTONDOWN: onButtonDown(at, wParam); return true;
    case win::WM_LBUTTONUP: onButtonUp(); return true;
    case win::WM_LBUTTONDBLCLK: onDoubleClick(at); return true;
    case win::WM_MOUSEMOVE: onMouseMove(at, wParam); return false;
    case win::WM_RBUTTONDOWN: return true;
    case win::WM_RBUTTONUP: onContextMenu(at); return true;
    case win::WM_KEYDOWN: onKeyDown(static_cast<win::virtual_key>(wParam), win::low_word(lParam)); return true;
    case win::WM_KEYUP: m_keyHandled = false; return true;
    case win::WM_CHAR: onChar(static_cast<char16_t>(wParam), win::low_word(lParam)); return true;
    // The toolbar's buttons, as its window's dialog procedure gets them.
    case win::WM_COMMAND:
      if (m_toolbar == win::window_id::none) return false;
      m_system.windows().sendMessage(m_toolbar, message, wParam, lParam);
      return true;
    default: return false;
  }
}

void smart_edit::notifyToolbar(win::wparam why) {
  if (m_toolbar != win::window_id::none)
    m_system.windows().sendMessage(m_toolbar, win::WM_EDITOR_CHANGED, why, 0);
}

// A step of the kind already running goes on; any other kind closes it and
// keeps the state before the new step. Caret movement keeps nothing.
void smart_edit::beginEdit(edit_kind kind) {
  if (kind != m_editKind) {
    if (!m_history.can_undo()) m_history.clear_redo();
    if (kind != edit_kind::caret) m_history.push_undo(m_history.capture(*m_entity));
    m_editKind = kind;
  }
  notifyToolbar(win::editor_changed_by_edit);
}

void smart_edit::undo() {
  m_editKind = edit_kind::caret;
  if (!m_history.can_undo()) return;
  m_history.push_redo(m_history.capture(*m_entity));
  m_history.restore(*m_entity, m_history.pop_undo());
  m_redraw = 3;
  redraw();
  notifyToolbar(win::editor_changed_by_history);
}

void smart_edit::redo() {
  m_editKind = edit_kind::caret;
  if (!m_history.can_redo()) return;
  m_history.push_undo(m_history.capture(*m_entity));
  m_history.restore(*m_entity, m_history.pop_redo());
  m_redraw = 3;
  redraw();
  notifyToolbar(win::editor_changed_by_history);
}

void smart_edit::redraw() {
  if (m_redraw & 1) m_controls->layout();
  m_redraw = 0;
  m_host.redraw();
}

void smart_edit::afterOperation(bool layout) {
  m_entity->endOperation(layout);
  m_controls->layout();
}

// The text is turned to the screen when its direction leaves the view's
// by more than 27 degrees either way, or when the host asks for it.
void smart_edit::positionInView(const OdGeVector3d& view_direction, bool new_text) {
  const OdGeVector3d x = m_entity->planeToWorld() * OdGeVector3d(1.0, 0.0, 0.0);
  double angle = std::atan2(x.y, x.x) - std::atan2(view_direction.y, view_direction.x);
  angle = std::fmod(angle + 2.0 * std::numbers::pi, 2.0 * std::numbers::pi);
  const bool turned = angle > 0.15 * std::numbers::pi && angle < 1.85 * std::numbers::pi;
  (void)new_text;
  m_transformInForce = !turned;
}

namespace {

void write_columns(OdDbMText& text, const column_settings& c, std::size_t count) {
  text.setColumnType(static_cast<OdDbMText::ColumnType>(c.type));
  if (c.type == OdDbMText::kStaticColumns) text.setStaticColumns(c.width, c.gutter, static_cast<int>(count));
  else if (c.type == OdDbMText::kDynamicColumns) text.setDynamicColumns(c.width, c.gutter, c.auto_height);
  if (c.type == OdDbMText::kNoColumns) return;
  text.setColumnCount(static_cast<int>(count));
  if (c.type == OdDbMText::kDynamicColumns && !c.auto_height)
    for (std::size_t i = 0; i < c.heights.size(); ++i) text.setColumnHeight(static_cast<int>(i), c.heights[i]);
}

}  // namespace

void smart_edit::commit(bool save, const std::function<void(OdDbText&)>& rejustify) {
  if (m_mtext) {
    if (save) {
      ExMTextEditable& e = *m_entity;
      m_mtext->setContents(OdString(e.currentContent()));
      m_mtext->setTextStyle(e.textStyle());
      m_mtext->setWidth(e.frameWidth());
      m_mtext->setHeight(e.frameHeight());
      write_columns(*m_mtext, e.columns(), std::max<std::size_t>(e.columnCount(), 1));
      m_mtext->setAttachment(e.attachment());
      m_mtext->setTextHeight(e.textHeight());
    }
    m_mtext->setVisibility(OdDb::kVisible);
  }
  if (m_text) {
    if (save) {
      // One line: the edited object takes the whole text; the lines a
      // single-line edit can make beyond the first become new objects.
      const mtext::geom_multitext& laid = m_entity->text();
      std::vector<std::u16string> lines;
      for (std::size_t i = 0; i < std::max<std::size_t>(laid.lines.size(), 1); ++i) {
        std::u16string s;
        if (i < laid.lines.size())
          for (const mtext::geom_part& p : mtext::line(laid, i).parts) mtext::serialize_raw(s, p.part(), false);
        lines.push_back(std::move(s));
      }
      m_text->setTextString(OdString(lines.front()));
      m_text->setHeight(m_entity->textHeight());
      if (rejustify) rejustify(*m_text);
      OdDbDatabase* db = m_text->database();
      for (std::size_t i = 1; i < lines.size() && db; ++i) {
        OdDbTextPtr extra = odNewTextLike(*m_text);
        extra->setTextString(OdString(lines[i]));
        extra->setPosition(m_transform * OdGePoint3d(laid.lines[i].x, laid.lines[i].y, 0.0));
        OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db->activeSpaceId().openObject(OdDb::kForWrite).get());
        if (space.isNull()) break;
        space->appendOdDbEntity(extra.get());
        if (rejustify) rejustify(*extra);
      }
    }
    m_text->setVisibility(OdDb::kVisible);
  }
}

}  // namespace editor
