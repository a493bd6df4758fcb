#include "editor/micui_layout.h"

#include <bit>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace micui {

namespace {
// A double's bits read as an integer that grows with the value, so the
// distance between two keys counts the doubles between them; -0 and +0
// share the key 0.
std::int64_t ordered_key(double d) {
  const auto bits = std::bit_cast<std::int64_t>(d);
  return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
}

bool assign(double& field, double value) {
  if (!differs(field, value)) return false;
  field = value;
  return true;
}

// Both are compared, whatever the first answers.
bool assign_both(double& a, double new_a, double& b, double new_b) {
  const bool first = assign(a, new_a);
  const bool second = assign(b, new_b);
  return first || second;
}
}  // namespace

bool differs(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) != std::isnan(b);
  const std::int64_t ka = ordered_key(a);
  const std::int64_t kb = ordered_key(b);
  const std::uint64_t distance = ka > kb ? static_cast<std::uint64_t>(ka) - static_cast<std::uint64_t>(kb)
                                         : static_cast<std::uint64_t>(kb) - static_cast<std::uint64_t>(ka);
  return distance > change_tolerance_ulps;
}

bool child_layout::place(const OdGePoint2d& origin, double width, double height) const {
  const bool moved = assign_both(m_child.position.x, origin.x, m_child.position.y, origin.y);
  const bool resized = assign_both(m_child.width, width, m_child.height, height);
  return relayout_if(moved || resized);
}

bool child_layout::move_to(const OdGePoint2d& origin) const {
  return relayout_if(assign_both(m_child.position.x, origin.x, m_child.position.y, origin.y));
}

bool child_layout::resize(double width, double height) const {
  return relayout_if(assign_both(m_child.width, width, m_child.height, height));
}

bool child_layout::turn_to(double rotation) const { return relayout_if(assign(m_child.rotation, rotation)); }

bool child_layout::relayout_if(bool changed) const {
  if (changed) m_child.layout();
  return changed;
}

child_layout layout_of(control& parent, const OdString& name) {
  control* found = parent.child(name);
  if (!found) throw std::invalid_argument("micui::control::layout: child not found");
  return child_layout(*found);
}

}  // namespace micui
