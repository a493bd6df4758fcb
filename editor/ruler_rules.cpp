#include "editor/ruler_rules.h"

#include <algorithm>
#include <cmath>

namespace editor {

ruler_units snap(drawing_units x, drawing_units unit) { return std::floor(x / unit + 0.5); }

indents indents_of(const mtext::format::paragraph& p, drawing_units unit) {
  const double k = p.extended ? 1.0 : 1.0 / unit;
  return {p.first_indent * k, p.left_indent * k, p.right_indent * k};
}

void set_indents(mtext::format::paragraph& p, const indents& i, drawing_units unit) {
  const double k = p.extended ? 1.0 : unit;
  p.first_indent = i.first * k;
  p.left_indent = i.left * k;
  p.right_indent = i.right * k;
}

indents dragged(indents i, indent_marker marker, ruler_units n, ruler_units w) {
  const ruler_units limit = std::max(0.0, w - i.right);
  switch (marker) {
    case indent_marker::left: {
      const ruler_units left = std::min(std::max(n, 0.0), limit);
      i.first -= left - i.left;
      i.left = left;
      break;
    }
    case indent_marker::first: i.first = std::min(std::max(n, 0.0), limit) - i.left; break;
    case indent_marker::right: {
      const ruler_units x = std::max({n, i.left, i.left + i.first});
      i.right = x < w ? w - x : 0.0;
      break;
    }
  }
  return i;
}

void put_tab(std::vector<mtext::format::tab_stop>& tabs, const mtext::format::tab_stop& stop) {
  remove_tab(tabs, stop.position);
  const auto at = std::find_if(tabs.begin(), tabs.end(), [&](const auto& t) { return t.position > stop.position; });
  tabs.insert(at, stop);
}

void remove_tab(std::vector<mtext::format::tab_stop>& tabs, ruler_units position) {
  std::erase_if(tabs, [&](const auto& t) { return std::abs(t.position - position) < 1e-9; });
}

column_settings with_column_width(column_settings c, drawing_units width, drawing_units text_height) {
  c.width = std::max(width > 0.0 ? width : 0.0, text_height);
  return c;
}

column_settings with_gutter(column_settings c, drawing_units gutter) {
  c.gutter = std::max(gutter, 0.0);
  return c;
}

column_settings with_column_height(column_settings c, std::size_t index, drawing_units height,
                                   const std::vector<drawing_units>& heights, drawing_units text_height) {
  height = std::max(height, text_height);
  if (c.type != OdDbMText::kDynamicColumns) {
    c.frame_height = height;
    return c;
  }
  if (c.auto_height || c.heights.size() < heights.size()) {
    c.heights.resize(std::max(c.heights.size(), heights.size()));
    for (std::size_t i = 0; i < heights.size(); ++i)
      if (c.auto_height || c.heights[i] <= 0.0) c.heights[i] = heights[i];
  }
  c.auto_height = false;
  if (index >= c.heights.size()) c.heights.resize(index + 1, height);
  c.heights[index] = height;
  return c;
}

}  // namespace editor
