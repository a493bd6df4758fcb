// drawing_view: the drawing on screen. Draws the active space of a database
// and the temporary drawables that commands and the in-place editor add
// (the view they know as IHostView), pans with the middle button or the
// arrow keys, zooms with the wheel around the pointer and to the extents.
//
// Every key and mouse event becomes a window message (Windows' numbers,
// the pointer in drawing coordinates) offered to `on_message` first; the
// view pans and zooms only with what that leaves.
//
// Coordinates: world points are drawing units (x right, y up); screen
// points are widget pixels (y down).
#pragma once

#include <functional>
#include <vector>

#include <QWidget>

#include "app/gui/drawing_painter.h"
#include "platform/host/IHostView.h"
#include "platform/host/host_message.h"
#include "platform/sdk/OdDbDatabase.h"

namespace gui {

class qt_key_state;

class drawing_view final : public QWidget, public IHostView {
  Q_OBJECT

public:
  explicit drawing_view(QWidget* parent = nullptr);

  // Shows `database` (kept referenced) zoomed to its extents.
  void setDatabase(OdDbDatabase* database);
  // Draws the database again after a change.
  void drawingChanged();
  void zoomExtents();
  // Zooms by `factor` keeping the world point under `screen` in place.
  void zoomAt(QPointF screen, double factor);
  void panBy(QPointF pixels);

  OdGePoint3d toWorld(QPointF screen) const;
  QPointF toScreen(const OdGePoint3d& world) const;
  double pixelsPerUnit() const { return m_scale; }
  // The entity whose drawn box holds `screen` (the smallest), or null.
  OdDbObjectId entityAt(QPointF screen) const;
  // The entity's drawn box on screen; empty when it draws nothing.
  QRectF screenBox(const OdDbObjectId& id) const;
  // What the last paint drew: shapes, and of them glyph shapes.
  std::size_t shapesPainted() const { return m_painted; }
  std::size_t textShapesPainted() const { return m_text_painted; }
  std::size_t temporaryCount() const { return m_temporaries.size(); }

  // Sees every message first; true when it was consumed.
  std::function<bool(const host_message&)> on_message;
  // A double-click the messages' receiver left alone, on an entity.
  std::function<void(const OdDbObjectId&)> on_entity_double_clicked;
  // The modifiers of each delivered event are held here while it is delivered.
  qt_key_state* key_state = nullptr;

  // IHostView
  bool add(OdGiDrawable* drawable, int mode, int flags) override;
  bool erase(OdGiDrawable* drawable) override;
  void update() override { QWidget::update(); }

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }  // Tab belongs to the editor

private:
  struct entity_shapes {
    OdDbObjectId id;
    std::vector<painted_shape> shapes;
    QRectF box;  // world
  };
  QTransform worldToScreen() const;
  bool deliver(const host_message& message, Qt::KeyboardModifiers modifiers);
  host_message mouseMessage(std::uint32_t id, const QMouseEvent& event) const;
  std::vector<painted_shape> temporaryShapes() const;

  OdDbDatabasePtr m_database;
  std::vector<entity_shapes> m_entities;
  QRectF m_extents;
  std::vector<OdGiDrawablePtr> m_temporaries;
  QPointF m_center;       // world point at the widget's centre
  double m_scale = 1.0;   // pixels per drawing unit
  bool m_zoomed = false;  // a zoom was set since the drawing came
  QPointF m_pan_from;
  bool m_panning = false;
  std::size_t m_painted = 0, m_text_painted = 0;
};

}  // namespace gui
