// How layout code places controls: the change test and the layout accessor.
//
// A layout assigns a child's coordinate only when it really changes, by more
// than 1024 units in the last place, and only then lays the child out again.
// So laying out an unchanged model again stops at the first level instead of
// running through the whole tree, and rounding noise from a recomputed
// coordinate never counts as a change.
#pragma once

#include <cstdint>

#include "editor/micui_control.h"

namespace micui {

// Units in the last place below which two coordinates count as the same.
inline constexpr std::uint64_t change_tolerance_ulps = 1024;

// Whether two numbers lie more than change_tolerance_ulps apart. A NaN
// differs from every number but not from another NaN.
bool differs(double a, double b);

// One child as its parent's layout sees it. Every operation assigns only the
// coordinates that differ, lays the child out again once when it assigned
// any, and answers whether it did.
class child_layout {
public:
  explicit child_layout(control& child) : m_child(child) {}

  control& child() const { return m_child; }

  bool place(const OdGePoint2d& origin, double width, double height) const;
  bool move_to(const OdGePoint2d& origin) const;
  bool resize(double width, double height) const;
  bool turn_to(double rotation) const;

private:
  bool relayout_if(bool changed) const;

  control& m_child;
};

// The direct child of `parent` with this name, for placing. No such child
// throws std::invalid_argument("micui::control::layout: child not found").
child_layout layout_of(control& parent, const OdString& name);

}  // namespace micui
