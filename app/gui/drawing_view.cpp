#include "app/gui/drawing_view.h"

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/gui/qt_messages.h"
#include "app/gui/qt_win_system.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdGiRecorder.h"

namespace gui {
namespace {

const QColor paper(Qt::white);
const QColor ink(Qt::black);
constexpr double wheel_step = 1.2;       // zoom factor of one wheel notch
constexpr double arrow_step_pixels = 40; // pan of one arrow key
constexpr double extents_margin = 0.05;  // of the drawing's larger side

// Windows' MK_ bits of the buttons and modifiers held.
std::uintptr_t mouse_state(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  std::uintptr_t state = modifier_bits(modifiers) & (kModShift | kModControl);
  if (buttons.testFlag(Qt::LeftButton)) state |= 0x0001;
  if (buttons.testFlag(Qt::RightButton)) state |= 0x0002;
  if (buttons.testFlag(Qt::MiddleButton)) state |= 0x0010;
  return state;
}

}  // namespace

drawing_view::drawing_view(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(320, 200);
}

void drawing_view::setDatabase(OdDbDatabase* database) {
  m_database = database;
  m_zoomed = false;
  drawingChanged();
  zoomExtents();
}

void drawing_view::drawingChanged() {
  m_entities.clear();
  m_extents = QRectF();
  if (!m_database) return QWidget::update();
  const OdDbObjectPtr space = m_database->activeSpaceId().openObject();
  const OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(space.get());
  if (!block) return QWidget::update();
  for (const OdDbObjectId& id : block->entityIds()) {
    const OdDbObject* object = id.peekObject();
    if (!object || object->isErased() || !object->isKindOf(OdDbEntity::desc())) continue;
    OdGiRecorder recorder;
    recorder.draw(static_cast<const OdDbEntity*>(object));
    entity_shapes& entity = m_entities.emplace_back();
    entity.id = id;
    entity.shapes = shapes_of(recorder.primitives(), ink);
    entity.box = bounds_of(entity.shapes);
    if (!entity.box.isNull()) m_extents = m_extents.isNull() ? entity.box : m_extents.united(entity.box);
  }
  QWidget::update();
}

void drawing_view::zoomExtents() {
  if (m_extents.isNull()) {
    m_center = {0, 0};
    m_scale = 1.0;
  } else {
    const double margin = std::max(m_extents.width(), m_extents.height()) * extents_margin;
    const QRectF box = m_extents.adjusted(-margin, -margin, margin, margin);
    m_center = box.center();
    m_scale = std::min(width() / std::max(box.width(), 1e-9), height() / std::max(box.height(), 1e-9));
  }
  m_zoomed = false;
  QWidget::update();
}

void drawing_view::zoomAt(QPointF screen, double factor) {
  const OdGePoint3d before = toWorld(screen);
  m_scale = std::clamp(m_scale * factor, 1e-6, 1e6);
  const OdGePoint3d after = toWorld(screen);
  m_center += QPointF(before.x - after.x, before.y - after.y);
  m_zoomed = true;
  QWidget::update();
}

void drawing_view::panBy(QPointF pixels) {
  m_center -= QPointF(pixels.x() / m_scale, -pixels.y() / m_scale);
  m_zoomed = true;
  QWidget::update();
}

QTransform drawing_view::worldToScreen() const {
  return QTransform(m_scale, 0, 0, -m_scale, width() / 2.0 - m_center.x() * m_scale,
                    height() / 2.0 + m_center.y() * m_scale);
}

OdGePoint3d drawing_view::toWorld(QPointF screen) const {
  const QPointF world = worldToScreen().inverted().map(screen);
  return {world.x(), world.y(), 0.0};
}

QPointF drawing_view::toScreen(const OdGePoint3d& world) const { return worldToScreen().map(QPointF(world.x, world.y)); }

OdDbObjectId drawing_view::entityAt(QPointF screen) const {
  const OdGePoint3d p = toWorld(screen);
  // A few pixels of slack, so thin texts and lines can be hit.
  const double slack = 3.0 / m_scale;
  const entity_shapes* best = nullptr;
  for (const entity_shapes& entity : m_entities) {
    if (entity.box.isNull() || !entity.box.adjusted(-slack, -slack, slack, slack).contains(QPointF(p.x, p.y))) continue;
    const double area = entity.box.width() * entity.box.height();
    if (!best || area < best->box.width() * best->box.height()) best = &entity;
  }
  return best ? best->id : OdDbObjectId();
}

QRectF drawing_view::screenBox(const OdDbObjectId& id) const {
  for (const entity_shapes& entity : m_entities)
    if (entity.id == id) return worldToScreen().mapRect(entity.box);
  return {};
}

bool drawing_view::add(OdGiDrawable* drawable, int, int) {
  if (!drawable || std::find(m_temporaries.begin(), m_temporaries.end(), OdGiDrawablePtr(drawable)) != m_temporaries.end())
    return false;
  m_temporaries.emplace_back(drawable);
  drawingChanged();  // an edit hides its object while it runs
  return true;
}

bool drawing_view::erase(OdGiDrawable* drawable) {
  const auto it = std::find(m_temporaries.begin(), m_temporaries.end(), OdGiDrawablePtr(drawable));
  if (it == m_temporaries.end()) return false;
  m_temporaries.erase(it);
  drawingChanged();
  return true;
}

std::vector<painted_shape> drawing_view::temporaryShapes() const {
  if (m_temporaries.empty()) return {};
  OdGiRecorder recorder;
  // The editor's controls size themselves in pixels through the viewport.
  od_gi_view view;
  view.target = OdGePoint3d(m_center.x(), m_center.y(), 0.0);
  view.pixels_per_unit = m_scale;
  recorder.setView(view);
  for (const OdGiDrawablePtr& drawable : m_temporaries) recorder.draw(drawable.get());
  return shapes_of(recorder.primitives(), ink);
}

void drawing_view::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), paper);
  painter.setRenderHint(QPainter::Antialiasing);
  const QTransform transform = worldToScreen();
  painter.setTransform(transform);
  const QRectF visible = transform.inverted().mapRect(QRectF(rect()));
  m_painted = m_text_painted = 0;
  auto count = [&](const std::vector<painted_shape>& shapes) {
    m_painted += shapes.size();
    m_text_painted += std::count_if(shapes.begin(), shapes.end(), [](const painted_shape& s) { return s.text; });
  };
  for (const entity_shapes& entity : m_entities) {
    if (!entity.box.intersects(visible) && !entity.box.isNull()) continue;
    paint_shapes(painter, entity.shapes);
    count(entity.shapes);
  }
  const std::vector<painted_shape> temporaries = temporaryShapes();
  paint_shapes(painter, temporaries);
  count(temporaries);
}

void drawing_view::resizeEvent(QResizeEvent*) {
  if (!m_zoomed) zoomExtents();
}

bool drawing_view::deliver(const host_message& message, Qt::KeyboardModifiers modifiers) {
  if (!on_message) return false;
  if (key_state) key_state->hold(modifiers);
  const bool consumed = on_message(message);
  if (key_state) key_state->release();
  return consumed;
}

host_message drawing_view::mouseMessage(std::uint32_t id, const QMouseEvent& event) const {
  host_message message;
  message.message = id;
  message.wParam = mouse_state(event.buttons(), event.modifiers());
  message.modifiers = modifier_bits(event.modifiers());
  message.point = toWorld(event.position());
  const QPoint pixel = event.position().toPoint();
  message.lParam = std::intptr_t(std::uint16_t(pixel.x())) | (std::intptr_t(std::uint16_t(pixel.y())) << 16);
  return message;
}

void drawing_view::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::MiddleButton) {
    m_panning = true;
    m_pan_from = event->position();
    setCursor(Qt::ClosedHandCursor);
    return;
  }
  if (event->button() == Qt::LeftButton) deliver(mouseMessage(kMsgLButtonDown, *event), event->modifiers());
  else if (event->button() == Qt::RightButton) deliver(mouseMessage(kMsgRButtonDown, *event), event->modifiers());
}

void drawing_view::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    m_panning = false;
    unsetCursor();
    return;
  }
  if (event->button() == Qt::LeftButton) deliver(mouseMessage(kMsgLButtonUp, *event), event->modifiers());
  else if (event->button() == Qt::RightButton) deliver(mouseMessage(kMsgRButtonUp, *event), event->modifiers());
}

void drawing_view::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (deliver(mouseMessage(kMsgLButtonDblClk, *event), event->modifiers())) return;
  const OdDbObjectId id = entityAt(event->position());
  if (!id.isNull() && on_entity_double_clicked) on_entity_double_clicked(id);
}

void drawing_view::mouseMoveEvent(QMouseEvent* event) {
  if (m_panning) {
    panBy(event->position() - m_pan_from);
    m_pan_from = event->position();
    return;
  }
  deliver(mouseMessage(kMsgMouseMove, *event), event->modifiers());
}

void drawing_view::wheelEvent(QWheelEvent* event) {
  const double notches = event->angleDelta().y() / 120.0;
  if (notches != 0.0) zoomAt(event->position(), std::pow(wheel_step, notches));
}

void drawing_view::keyPressEvent(QKeyEvent* event) {
  bool consumed = false;
  for (const host_message& message : key_messages(*event)) consumed = deliver(message, event->modifiers()) || consumed;
  if (consumed) return;
  switch (event->key()) {
    case Qt::Key_Left: panBy({arrow_step_pixels, 0}); break;
    case Qt::Key_Right: panBy({-arrow_step_pixels, 0}); break;
    case Qt::Key_Up: panBy({0, arrow_step_pixels}); break;
    case Qt::Key_Down: panBy({0, -arrow_step_pixels}); break;
    default: QWidget::keyPressEvent(event);
  }
}

void drawing_view::keyReleaseEvent(QKeyEvent* event) {
  for (const host_message& message : key_messages(*event)) deliver(message, event->modifiers());
}

}  // namespace gui
