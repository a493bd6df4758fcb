#include "editor/text_steps.h"

namespace editor {

namespace {

using mtext::marks::solid;

enum class unit_kind { character, blank, other };

// The solid whose characters include part `i`.
const solid* solid_of_part(const mtext::geom_multitext& text, position i) {
  for (const mtext::marks::mark& m : text.marks)
    if (const auto* s = dynamic_cast<const solid*>(&m); s && s->begin <= i && i < s->end) return s;
  return nullptr;
}

bool is_label(const solid* s) { return dynamic_cast<const mtext::marks::numbering*>(s) != nullptr; }

unit_kind kind_of(const mtext::geom_multitext& text, position i) {
  if (const solid* s = solid_of_part(text, i)) return is_label(s) ? unit_kind::other : unit_kind::character;
  switch (text.parts[i].type()) {
    case mtext::string_type:
    case mtext::stack_type: return unit_kind::character;
    case mtext::spaces_type:
    case mtext::tab_type: return unit_kind::blank;
    default: return unit_kind::other;
  }
}

// The bounds of the unit part `i` belongs to: the part, or its solid.
position unit_begin(const mtext::geom_multitext& text, position i) {
  const solid* s = solid_of_part(text, i);
  return s ? s->begin : i;
}
position unit_end(const mtext::geom_multitext& text, position i) {
  const solid* s = solid_of_part(text, i);
  return s ? s->end : i + 1;
}

// Moving backward never ends before `at`'s start: no progress is no move.
position backward_result(const mtext::geom_multitext& text, position target, position at) {
  const position rested = rest_towards(text, target, direction::backward);
  return rested < at ? rested : at;
}

}  // namespace

const solid* solid_holding(const mtext::geom_multitext& text, position at) {
  for (const mtext::marks::mark& m : text.marks) {
    const auto* s = dynamic_cast<const solid*>(&m);
    if (s && (s->begin < at || (s->begin == at && !s->open_begin)) && at < s->end) return s;
  }
  return nullptr;
}

position rest_towards(const mtext::geom_multitext& text, position at, direction way) {
  while (const solid* s = solid_holding(text, at)) {
    // Nothing lies before a label that opens the text.
    if (way == direction::backward && s->begin == 0 && !s->open_begin) way = direction::forward;
    if (way == direction::forward) at = s->end;
    else at = s->open_begin ? s->begin : s->begin - 1;
  }
  return at;
}

position step_character(const mtext::geom_multitext& text, position at, direction way) {
  if (way == direction::forward) return at < text.size() ? rest_towards(text, at + 1, way) : at;
  return at > 0 ? backward_result(text, at - 1, at) : at;
}

position step_word(const mtext::geom_multitext& text, position at, direction way) {
  position i = at;
  if (way == direction::forward) {
    while (i < text.size() && kind_of(text, i) != unit_kind::character) i = unit_end(text, i);
    while (i < text.size() && kind_of(text, i) == unit_kind::character) i = unit_end(text, i);
    return rest_towards(text, i, way);
  }
  while (i > 0 && kind_of(text, i - 1) != unit_kind::character) i = unit_begin(text, i - 1);
  while (i > 0 && kind_of(text, i - 1) == unit_kind::character) i = unit_begin(text, i - 1);
  return backward_result(text, i, at);
}

span word_around(const mtext::geom_multitext& text, position at) {
  if (const solid* s = solid_of_part(text, at); s && s->begin < at) {
    if (is_label(s)) return {s->end, s->end};
    return {s->begin, s->end};
  }
  position i = at;
  if (at < text.size() && kind_of(text, at) == unit_kind::character) i = at;
  else if (at > 0 && kind_of(text, at - 1) == unit_kind::character) i = at - 1;
  else if (at < text.size() && kind_of(text, at) == unit_kind::blank) i = at;
  else {
    const position rest = rest_towards(text, at, direction::forward);
    return {rest, rest};
  }
  const unit_kind kind = kind_of(text, i);
  position begin = unit_begin(text, i), end = unit_end(text, i);
  while (begin > 0 && kind_of(text, begin - 1) == kind) begin = unit_begin(text, begin - 1);
  while (end < text.size() && kind_of(text, end) == kind) end = unit_end(text, end);
  return {begin, end};
}

}  // namespace editor
