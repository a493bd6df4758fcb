#include "mtext/geom_part.h"

#include <algorithm>

namespace mtext {

namespace {

constexpr double stack_text_scale = 0.7;   // stack texts are set at the enclosing height
constexpr double break_advance = 0.2;      // a break is a fifth of its line tall

// The empty string gives the font fields of a format with no advance.
string_metrics break_metrics(string_metrics m) {
  m.advance = (m.height + m.descent + m.gap) * break_advance;
  return m;
}

}  // namespace

void geom_word::update_geometry(const string_size_finder& finder) { geometry = measured(finder, text); }

void geom_spaces::update_geometry(const string_size_finder& finder) { geometry = measured(finder, u" "); }

void geom_tab::update_geometry(const string_size_finder& finder) { geometry = measured(finder, u""); }

void geom_new_line::update_geometry(const string_size_finder& finder) {
  geometry = break_metrics(measured(finder, u""));
}

void geom_new_paragraph::update_geometry(const string_size_finder& finder) {
  geometry = break_metrics(measured(finder, u""));
}

void geom_stack::update_geometry(const string_size_finder& finder) {
  OdGiTextStyle style = format.style;
  style.setTextSize(stack_text_scale * format.height);
  const string_metrics up = finder.measure(style, upper);
  upper_geometry = up;
  lower_geometry = finder.measure(style, lower);
  string_metrics m;
  m.advance = kind == stack_diagonal ? upper_geometry.advance + lower_geometry.advance
                                     : std::max(upper_geometry.advance, lower_geometry.advance);
  m.leading = 2.0 * up.leading;
  m.height = 2.0 * up.height;
  m.descent = 2.0 * up.descent;
  m.gap = 2.0 * up.gap;
  m.ascent = m.height;
  geometry = m;
}

}  // namespace mtext
