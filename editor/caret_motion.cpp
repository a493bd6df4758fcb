#include "editor/caret_motion.h"

#include "editor/selection_geometry.h"

namespace editor {

namespace {

using mtext::geom_multitext;
using mtext::marks::selection;

// Sets every selection's head to `head_of(selection)`, keeping the anchor
// when extending, then merges what came to overlap.
template <class HeadOf>
void move_heads(geom_multitext& text, bool extend, HeadOf&& head_of) {
  for (selection* s : mtext::marks::selections_of(text.marks)) {
    const position head = head_of(*s);
    const bool flag = s->flag;
    *s = selection(extend ? s->anchor() : head, head);
    s->flag = flag;
  }
  mtext::marks::merge_selections(text.marks);
}

double caret_x(const geom_multitext& text, position head) {
  const auto stem = caret_at(text, head);
  return stem ? stem->top.x : 0.0;
}

// The position nearest to `x` on the line before or after the head's.
position line_neighbour(const geom_multitext& text, position head, double x, direction way) {
  const std::size_t line = *line_holding(text, head);
  if (way == direction::backward && line == 0) return rest_towards(text, 0, direction::forward);
  if (way == direction::forward && line + 1 >= text.lines.size()) return text.size();
  const std::size_t next = way == direction::backward ? line - 1 : line + 1;
  return position_on_line(text, next, x, [&text](position p) { return rest_position(text, p); });
}

position line_edge(const geom_multitext& text, position head, direction way) {
  const mtext::line_record& line = text.lines[*line_holding(text, head)];
  if (way == direction::backward) return rest_towards(text, line.begin, direction::forward);
  const bool ends_text = line.end == text.size() || line.end == line.begin;
  return rest_towards(text, ends_text ? line.end : line.end - 1, direction::backward);
}

// The solid covering both the part before `at` and the part after it.
const mtext::marks::solid* solid_around(const geom_multitext& text, position at) {
  for (const mtext::marks::mark& m : text.marks)
    if (const auto* s = dynamic_cast<const mtext::marks::solid*>(&m); s && s->begin < at && at < s->end) return s;
  return nullptr;
}

void select_only(geom_multitext& text, position anchor, position head) {
  mtext::marks::set_selections(std::vector<selection>{selection(anchor, head)}, text.marks);
}

}  // namespace

void move_by_step(geom_multitext& text, direction way, bool by_word, bool extend, unsigned count) {
  for (unsigned i = 0; i < count; ++i)
    move_heads(text, extend, [&](const selection& s) {
      if (!extend && !s.empty()) return way == direction::backward ? s.begin : s.end;
      return by_word ? step_word(text, s.head(), way) : step_character(text, s.head(), way);
    });
}

void move_by_line(geom_multitext& text, direction way, bool extend, bool add_carets, unsigned count) {
  if (text.lines.empty() || count == 0) return;
  if (!add_carets) {
    move_heads(text, extend, [&](const selection& s) {
      const double x = caret_x(text, s.head());
      position head = s.head();
      for (unsigned i = 0; i < count; ++i) head = line_neighbour(text, head, x, way);
      return head;
    });
    return;
  }
  for (unsigned i = 0; i < count; ++i) {
    std::vector<selection> added;
    for (const selection* s : mtext::marks::selections_of(text.marks)) {
      const position head = line_neighbour(text, s->head(), caret_x(text, s->head()), way);
      added.emplace_back(head, head);
    }
    for (const selection& s : added) text.marks.push_back(new selection(s));
    mtext::marks::merge_selections(text.marks);
  }
}

void move_to_line_edge(geom_multitext& text, direction way, bool extend) {
  if (text.lines.empty()) return;
  move_heads(text, extend, [&](const selection& s) { return line_edge(text, s.head(), way); });
}

void move_to_text_edge(geom_multitext& text, direction way, bool extend) {
  const position edge = way == direction::backward ? rest_towards(text, 0, direction::forward) : text.size();
  move_heads(text, extend, [edge](const selection&) { return edge; });
}

void select_all(geom_multitext& text) { select_only(text, 0, text.size()); }

void keep_first_selection(geom_multitext& text) {
  const auto selections = mtext::marks::selections_of(text.marks);
  if (selections.size() < 2) return;
  const selection first = *selections.front();
  mtext::marks::set_selections(std::vector<selection>{first}, text.marks);
}

void select_at(geom_multitext& text, position at, bool add) {
  std::vector<selection> kept;
  if (add)
    for (const selection* s : mtext::marks::selections_of(text.marks)) kept.push_back(*s);
  kept.emplace_back(at, at);
  mtext::marks::set_selections(kept, text.marks);
  mtext::marks::merge_selections(text.marks);
}

void extend_to(geom_multitext& text, position at) {
  const auto selections = mtext::marks::selections_of(text.marks);
  if (selections.empty()) return select_at(text, at, false);
  selection& primary = *selections.front();
  const bool flag = primary.flag;
  primary = selection(primary.anchor(), at);
  primary.flag = flag;
  mtext::marks::slide_selections(text.marks);
  mtext::marks::merge_selections(text.marks);
}

bool select_solid_at(geom_multitext& text, position at) {
  const mtext::marks::solid* s = solid_around(text, at);
  if (!s) return false;
  if (dynamic_cast<const mtext::marks::numbering*>(s)) select_only(text, s->end, s->end);
  else select_only(text, s->begin, s->end);
  return true;
}

void select_word_at(geom_multitext& text, position at) {
  const span word = word_around(text, at);
  select_only(text, word.begin, word.end);
}

}  // namespace editor
