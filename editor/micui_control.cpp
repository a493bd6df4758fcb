#include "editor/micui_control.h"

#include <algorithm>

#include "editor/micui_layout.h"

namespace micui {

ODRX_CONS_DEFINE_MEMBERS_ALTNAME(control, OdGiDrawable, u"micui::control")

void control::draw(OdGiViewportDraw&) const {}

bool control::contains(const OdGePoint2d& p) const {
  return p.x >= std::min(0.0, width) && p.x <= std::max(0.0, width) && p.y >= std::min(0.0, height) &&
         p.y <= std::max(0.0, height);
}

std::vector<control*> control::children_named(const OdString& wanted) const {
  std::vector<control*> named;
  for (const control_ptr& c : m_children)
    if (c->name == wanted) named.push_back(c.get());
  return named;
}

path control::hit_children(const OdGePoint2d& local) const {
  for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
    path hit = hit_path(**it, local);
    if (!hit.empty()) return hit;
  }
  return {};
}

control* control::find(const OdString& wanted) const {
  if (control* direct = child(wanted)) return direct;
  for (const control_ptr& c : m_children)
    if (control* found = c->find(wanted)) return found;
  return nullptr;
}

control* control::child(const OdString& wanted) const {
  for (const control_ptr& c : m_children)
    if (c->name == wanted) return c.get();
  return nullptr;
}

OdGeExtents2d control::extents() const {
  OdGeExtents2d box(OdGePoint2d::kOrigin, {width, height});
  for (const control_ptr& c : m_children) box.addExt(c->extents_in_parent());
  return box;
}

OdGeExtents2d control::extents_in_parent() const { return extents().transformBy(to_parent()); }

OdGeMatrix2d control::to_parent() const {
  return OdGeMatrix2d::translation(position.asVector()) * OdGeMatrix2d::rotation(rotation);
}

OdGePoint2d control::to_local(const OdGePoint2d& in_parent) const {
  return OdGePoint2d::kOrigin + (in_parent - position).rotateBy(-rotation);
}

path hit_path(control& c, const OdGePoint2d& in_parent) {
  if (!c.visible) return {};
  const OdGePoint2d local = c.to_local(in_parent);
  path hit = c.hit_children(local);
  if (!hit.empty() || c.contains(local)) hit.push_back(&c);
  return hit;
}

// Drawing

namespace {
// Pops the control's model transform on every path out of its drawing.
class model_transform_scope {
public:
  model_transform_scope(OdGiGeometry& geometry, const OdGeMatrix3d& to_parent) : m_geometry(geometry) {
    m_geometry.pushModelTransform(to_parent);
  }
  ~model_transform_scope() { m_geometry.popModelTransform(); }
  model_transform_scope(const model_transform_scope&) = delete;
  model_transform_scope& operator=(const model_transform_scope&) = delete;

private:
  OdGiGeometry& m_geometry;
};

OdGeMatrix3d to_parent_3d(const control& c) {
  return OdGeMatrix3d::translation({c.position.x, c.position.y, 0.0}) *
         OdGeMatrix3d::rotation(c.rotation, OdGeVector3d::kZAxis);
}
}  // namespace

// Drawing a control lays it out for the view it is drawn in, which the
// const drawable contract does not foresee; controls are made through
// OdRxObjectImpl as mutable objects, so casting the const away is sound.
void control::subViewportDraw(OdGiViewportDraw* vd) const { const_cast<control*>(this)->draw_tree(*vd); }

void control::draw_tree(OdGiViewportDraw& vd) {
  if (!visible) return;
  follow_pixel_size(vd);
  model_transform_scope scope(vd.geometry(), to_parent_3d(*this));
  draw(vd);
  for (const control_ptr& c : m_children) c->viewportDraw(&vd);
}

// Asked at the control's origin, before its own transform is pushed.
void control::follow_pixel_size(OdGiViewportDraw& vd) {
  const OdGeMatrix3d to_world = vd.geometry().getModelToWorldTransform();
  const OdGePoint3d origin = to_world * OdGePoint3d(position.x, position.y, 0.0);
  const double now = vd.viewport().getPixelSize(origin);
  if (!differs(now, m_pixel_size)) return;
  m_pixel_size = now;
  layout();
}

}  // namespace micui
