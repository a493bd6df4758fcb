// The editor's ruler and frame handles: a press on the tab switch or a tab
// area acts at once; a press on a marker or a handle starts a drag that
// changes the selected paragraphs (one ruler step) or the frame and column
// sizes (one size step) until the button is released.
#include <algorithm>

#include "editor/micui_layout.h"
#include "editor/paragraph_editing.h"
#include "editor/smart_edit.h"

namespace editor {

namespace {

// Runs `change` on the format of every selected paragraph.
template <class Change>
void change_each_selected(mtext::geom_multitext& text, Change change) {
  for (mtext::format::paragraph* p : selected_paragraphs(text)) change(*p);
  // An empty change only marks the paragraphs' breaks, for the layout and the undo step.
  change_selected_paragraphs(text, {});
}

template <class T>
T* in_path(const micui::path& hit) {
  for (micui::control* c : hit)
    if (auto* found = dynamic_cast<T*>(c)) return found;
  return nullptr;
}

// How far the size moves for a pointer movement of one unit: a centred
// text grows on both sides, a right-hanging one from its left end.
double width_follow(hanging side) {
  switch (side) {
    case hanging::centre: return 2.0;
    case hanging::right: return -1.0;
    default: return 1.0;
  }
}

std::vector<drawing_units> column_heights(const std::vector<column_view>& views) {
  std::vector<drawing_units> heights;
  for (const column_view& v : views) heights.push_back(v.height);
  return heights;
}

}  // namespace

bool smart_edit::pressGadget(const micui::path& hit, const OdGePoint2d& at) {
  const std::optional<grabbed_gadget> grabbed = gadget_in(hit);
  if (!grabbed) return false;
  m_editKind = edit_kind::caret;  // every gesture on a gadget is an undo step of its own
  if (grabbed->kind == gadget::tab_switch) {
    m_controls->ruler()->cycle_tab_kind();
    m_redraw |= 1;
    redraw();
  } else if (grabbed->kind == gadget::tab_area) {
    addTab(local_in(hit, *grabbed->control, inParentOfControls(at)).x);
  } else {
    startDrag(*grabbed, hit, at);
  }
  return true;
}

void smart_edit::addTab(double x) {
  const ruler_model& m = m_controls->ruler()->model();
  const ruler_units position = std::clamp(x / m.unit, 0.0, m.column_width / m.unit);
  const mtext::format::tab_stop stop{position, m_controls->ruler()->tab_kind(), u' '};
  beginEdit(edit_kind::ruler);
  m_entity->edit([&](geom_edit_target& t) { change_each_selected(t.text(), [&](auto& p) { put_tab(p.tabs, stop); }); });
  afterOperation(true);
  m_redraw = 3;
  redraw();
}

void smart_edit::startDrag(const grabbed_gadget& grabbed, const micui::path& hit, const OdGePoint2d& at) {
  const ruler_model& m = m_controls->ruler()->model();
  gadget_drag d;
  d.kind = grabbed.kind;
  d.marker = grabbed.control;
  d.columns = m.columns;
  d.grab = d.last = at;
  d.deferred_before = m_entity->deferredUpdate();
  if (const mtext::tab_area* area = in_path<mtext::tab_area>(hit)) {
    d.column = area->column();
    const indents i = area->paragraph() ? indents_of(*area->paragraph(), m.unit) : indents{};
    if (grabbed.kind == gadget::left_indent) d.start = i.left * m.unit;
    if (grabbed.kind == gadget::first_indent) d.start = (i.left + i.first) * m.unit;
    if (grabbed.kind == gadget::right_indent) d.start = area->width - i.right * m.unit;
    if (const mtext::format::tab_stop* stop = area->stop_of(*grabbed.control)) {
      d.stop = *stop;
      d.start = stop->position * m.unit;
    }
  }
  if (grabbed.kind == gadget::width || grabbed.kind == gadget::column_corner) d.start = m.column_width;
  if (grabbed.kind == gadget::gutter) d.start = m.gutter;
  if (const mtext::column* c = in_path<mtext::column>(hit)) {
    d.column = c->view().index;
    d.start_height = c->view().height;
    if (grabbed.kind == gadget::column_height) d.start = d.start_height;
  }
  m_drag = d;
  m_system.capture().setCapture(m_captureWindow);
}

void smart_edit::dragGadget(const OdGePoint2d& at) {
  m_drag->last = at;
  const double dx = at.x - m_drag->grab.x;
  if (const std::optional<indent_marker> marker = indent_marker_of(m_drag->kind)) dragIndent(*marker, dx);
  else if (m_drag->kind == gadget::tab) dragTab(dx);
  else dragSize(at);
}

void smart_edit::dragIndent(indent_marker marker, double dx) {
  const ruler_model& m = m_controls->ruler()->model();
  const ruler_units n = snap(m_drag->start + dx, m.unit);
  const ruler_units w = m.column_width / m.unit;
  beginEdit(edit_kind::ruler);
  m_entity->edit([&](geom_edit_target& t) {
    change_each_selected(t.text(), [&](auto& p) { set_indents(p, dragged(indents_of(p, m.unit), marker, n, w), m.unit); });
  });
  afterOperation(true);
  m_redraw = 3;
  redraw();
}

// The stop is written on the release; meanwhile its marker and the guide line show where.
void smart_edit::dragTab(double dx) {
  const ruler_model& m = m_controls->ruler()->model();
  const drawing_units x = std::clamp(snap(m_drag->start + dx, m.unit), 0.0, m.column_width / m.unit) * m.unit;
  micui::control& marker = *m_drag->marker;
  micui::child_layout(marker).move_to({x - marker.width / 2.0, marker.position.y});
  if (mtext::column* c = m_controls->backstage().column_at(m_drag->column)) {
    const double area_x = static_cast<double>(m_drag->column) * (m.column_width + m.gutter);
    c->show_guide(area_x + x - c->position.x);
  }
  redraw();
}

// Dropped off the ruler, the stop goes; elsewhere it moves to the snapped place.
void smart_edit::dropTab() {
  const ruler_model& m = m_controls->ruler()->model();
  if (mtext::column* c = m_controls->backstage().column_at(m_drag->column)) c->show_guide(std::nullopt);
  const mtext::ruler& r = *m_controls->ruler();
  const double y = m_drag->last.y;
  const bool off = y > r.position.y || y < r.position.y + r.height;
  mtext::format::tab_stop moved = m_drag->stop;
  moved.position = std::clamp(snap(m_drag->start + m_drag->last.x - m_drag->grab.x, m.unit), 0.0, m.column_width / m.unit);
  if (!off && moved.position == m_drag->stop.position) return;
  beginEdit(edit_kind::ruler);
  m_entity->edit([&](geom_edit_target& t) {
    change_each_selected(t.text(), [&](auto& p) {
      remove_tab(p.tabs, m_drag->stop.position);
      if (!off) put_tab(p.tabs, moved);
    });
  });
  afterOperation(true);
  m_redraw = 3;
  redraw();
}

void smart_edit::dragSize(const OdGePoint2d& at) {
  const gadget_drag& d = *m_drag;
  const ruler_model& m = m_controls->ruler()->model();
  const double dx = at.x - d.grab.x, dy = at.y - d.grab.y;
  const double text_height = m_entity->textHeight();
  column_settings c = m_entity->columns();
  switch (d.kind) {
    case gadget::width:
      // The sizer sits at the last column's end: each column takes its share of the movement.
      c = with_column_width(c, d.start + width_follow(m.side) * dx / static_cast<double>(d.columns), text_height);
      break;
    case gadget::gutter:
      c = with_gutter(c, d.start + (m.side == hanging::right ? -2.0 : 2.0) * dx);
      break;
    case gadget::column_corner:
      c = with_column_width(c, d.start + dx / static_cast<double>(d.column + 1), text_height);
      [[fallthrough]];
    default:
      c = with_column_height(c, d.column, d.start_height - dy, column_heights(column_views_of(*m_entity)), text_height);
  }
  resizeFrame(c);
}

// A long text is laid out once, on the release, rather than on every move.
void smart_edit::resizeFrame(const column_settings& columns) {
  beginEdit(edit_kind::size);
  m_entity->setColumns(columns);
  if (m_entity->text().size() >= deferred_update_parts) m_entity->setDeferredUpdate(true);
  else m_entity->relayout(true);
  afterOperation(true);
  m_redraw = 3;
  redraw();
}

void smart_edit::releaseGadget() {
  const gadget_drag d = *m_drag;
  if (d.kind == gadget::tab) dropTab();
  m_drag.reset();
  if (is_size_drag(d.kind)) {
    m_entity->setDeferredUpdate(d.deferred_before);
    afterOperation(true);
    m_redraw = 3;
    redraw();
  }
  m_system.capture().releaseCapture();
}

}  // namespace editor
