// micui::control: the base of the in-drawing controls, named drawables that
// form a tree in the drawing's own coordinates.
//
// Design note. A control has a local system: its origin is `position` in the
// parent's system and its axes are the parent's turned by `rotation`
// radians about that origin. It occupies the box from (0, 0) to
// (width, height) of that system, either sign allowed. It owns its children
// in order: they draw first to last and are hit last to first, so later
// children lie on top. A control is drawn by the graphics layer's viewport
// draw; it remembers the pixel size of the view it was last drawn in and
// lays its children out again when that changes, so gadgets sized in pixels
// keep their size on screen at any zoom. An invisible control draws nothing
// and is never hit, children included. Controls know nothing of the text or
// the editor: the gadgets built on them do.
#pragma once

#include <vector>

#include "platform/sdk/OdGeExtents2d.h"
#include "platform/sdk/OdGeMatrix2d.h"
#include "platform/sdk/OdGePoint2d.h"
#include "platform/sdk/OdGiDrawableImpl.h"
#include "platform/sdk/OdGiViewportDraw.h"
#include "platform/sdk/OdString.h"

namespace micui {

class control;
using control_ptr = OdSmartPtr<control>;
// Controls under a point, from the deepest to the outermost. The tree owns
// them; a path is read at once, not kept.
using path = std::vector<control*>;

class control : public OdGiDrawableImpl<> {
  ODRX_DECLARE_MEMBERS(control);

public:
  OdString name;
  OdGePoint2d position;    // the local origin, in the parent's system
  double width = 0.0;      // local units
  double height = 0.0;
  double rotation = 0.0;   // radians, counter-clockwise
  bool visible = true;

  // Drawing units per screen pixel of the view the control was last drawn
  // in; 0 before its first drawing.
  double pixel_size() const { return m_pixel_size; }
  const std::vector<control_ptr>& children() const { return m_children; }

  // Builds the children; runs once, right after the control is made and named.
  virtual void init() {}
  // Places the children from the model; runs when the model or the view changed.
  virtual void layout() {}
  // Draws the control itself in its local system; children draw themselves.
  virtual void draw(OdGiViewportDraw& vd) const;
  // Whether a local point lies in the box, edges included.
  virtual bool contains(const OdGePoint2d& local) const;
  // The direct children of this name, in order.
  virtual std::vector<control*> children_named(const OdString& name) const;
  // The hit path of the topmost child under a local point; empty when none.
  virtual path hit_children(const OdGePoint2d& local) const;
  // A direct child of this name, else the first match of each child's own
  // find in order (depth first); null when none.
  virtual control* find(const OdString& name) const;
  // A direct child of this name; null when none.
  virtual control* child(const OdString& name) const;
  // The box united with every child's extents, in the local system.
  virtual OdGeExtents2d extents() const;
  // The extents seen from the parent's system.
  virtual OdGeExtents2d extents_in_parent() const;

  // Local system to the parent's: translation(position) x rotation.
  OdGeMatrix2d to_parent() const;
  OdGePoint2d to_local(const OdGePoint2d& in_parent) const;

protected:
  void subViewportDraw(OdGiViewportDraw* vd) const override;

private:
  template <class T>
  friend OdSmartPtr<T> create_child(control& parent, const OdString& name);

  void draw_tree(OdGiViewportDraw& vd);
  void follow_pixel_size(OdGiViewportDraw& vd);

  double m_pixel_size = 0.0;
  std::vector<control_ptr> m_children;
};

// A new control of type T with this name, initialised: the root of a tree.
template <class T>
OdSmartPtr<T> create_control(const OdString& name) {
  OdSmartPtr<T> made = OdRxObjectImpl<T>::createObject();
  made->name = name;
  made->init();
  return made;
}

// A new control of type T with this name, appended to the parent's children
// and then initialised.
template <class T>
OdSmartPtr<T> create_child(control& parent, const OdString& name) {
  OdSmartPtr<T> made = OdRxObjectImpl<T>::createObject();
  made->name = name;
  parent.m_children.push_back(made);
  made->init();
  return made;
}

// The controls under a point given in the parent's system of `c`: the
// deepest first, then its ancestors up to `c`; empty when `c` is not hit.
path hit_path(control& c, const OdGePoint2d& in_parent);

}  // namespace micui
