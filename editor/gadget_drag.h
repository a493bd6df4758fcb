// gadget_drag: what a press on the ruler or a frame handle grabbed, and
// what the editor keeps while the button is down.
//
// Gadgets are known by their control names, in one table. A press on the
// tab switch or a tab area acts at once; a press on any other gadget
// starts a drag that lasts until the button is released. Points are in the
// entity's plane.
#pragma once

#include <cstddef>
#include <optional>

#include "editor/micui_control.h"
#include "editor/ruler_model.h"
#include "editor/ruler_rules.h"

namespace editor {

enum class gadget {
  tab_switch, tab_area, tab, first_indent, left_indent, right_indent, width, gutter, column_height, column_corner,
};

// Size drags of texts this long hold the layout back until the release.
inline constexpr std::size_t deferred_update_parts = 5000;

// The deepest control of the path that is a gadget, with its kind.
struct grabbed_gadget {
  gadget kind;
  micui::control* control;
};
std::optional<grabbed_gadget> gadget_in(const micui::path& hit);

bool is_size_drag(gadget g);
std::optional<indent_marker> indent_marker_of(gadget g);

// The point given in the parent system of the path's root, in the system of
// `target`, one of the path's controls.
OdGePoint2d local_in(const micui::path& hit, const micui::control& target, OdGePoint2d in_root_parent);

struct gadget_drag {
  gadget kind = gadget::width;
  micui::control* marker = nullptr;  // the grabbed control; the tree keeps it while the drag lasts
  std::size_t column = 0;
  std::size_t columns = 1;     // at the press
  OdGePoint2d grab;            // the press
  OdGePoint2d last;            // the latest pointer
  drawing_units start = 0.0;   // at the press: the marker's x in its tab area, or the size dragged
  drawing_units start_height = 0.0;  // the corner handle's column height
  mtext::format::tab_stop stop;      // the dragged stop as it was
  bool deferred_before = false;      // the entity's flag before the drag
};

}  // namespace editor
