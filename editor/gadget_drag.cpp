#include "editor/gadget_drag.h"

namespace editor {

namespace {

struct gadget_name {
  const char16_t* name;
  gadget kind;
};

constexpr gadget_name gadget_names[] = {
    {u"tab switch", gadget::tab_switch},
    {u"tab area", gadget::tab_area},
    {u"tab", gadget::tab},
    {u"indent", gadget::first_indent},
    {u"left-indent", gadget::left_indent},
    {u"right-indent", gadget::right_indent},
    {u"width sizer", gadget::width},
    {u"dot", gadget::gutter},
    {u"height sizer", gadget::column_height},
    {u"height edge", gadget::column_height},
    {u"sizer", gadget::column_corner},
};

}  // namespace

std::optional<grabbed_gadget> gadget_in(const micui::path& hit) {
  for (micui::control* c : hit)
    for (const gadget_name& g : gadget_names)
      if (c->name == g.name) return grabbed_gadget{g.kind, c};
  return std::nullopt;
}

bool is_size_drag(gadget g) {
  return g == gadget::width || g == gadget::gutter || g == gadget::column_height || g == gadget::column_corner;
}

std::optional<indent_marker> indent_marker_of(gadget g) {
  switch (g) {
    case gadget::first_indent: return indent_marker::first;
    case gadget::left_indent: return indent_marker::left;
    case gadget::right_indent: return indent_marker::right;
    default: return std::nullopt;
  }
}

OdGePoint2d local_in(const micui::path& hit, const micui::control& target, OdGePoint2d p) {
  for (auto it = hit.rbegin(); it != hit.rend(); ++it) {
    p = (*it)->to_local(p);
    if (*it == &target) break;
  }
  return p;
}

}  // namespace editor
