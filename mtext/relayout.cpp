#include "mtext/relayout.h"

#include <algorithm>
#include <tuple>

#include "mtext/ensure.h"
#include "mtext/layout.h"

namespace mtext {

namespace {

using layout_detail::column_flow;
using layout_detail::flow_state;

// Where the parts of the text before the change are after it.
struct position_map {
  part_change change;

  // A position inside the erased parts has no counterpart.
  static constexpr position lost = to_the_end - 1;

  position operator()(position before) const {
    if (before == layout_detail::no_paragraph_break || before < change.at) return before;
    if (before < unchanged_from()) return lost;
    return before - change.erased + change.inserted;
  }
  position unchanged_from() const { return change.at + change.erased; }  // before the change
};

flow_state moved(flow_state state, const position_map& map) {
  state.column_start = map(state.column_start);
  state.paragraph_break = map(state.paragraph_break);
  return state;
}

bool same_parameters(const convert_info& a, const convert_info& b) {
  const auto fields = [](const convert_info& i) {
    return std::tie(i.column_width, i.gutter, i.column_kind, i.column_heights, i.text_height, i.horizontal,
                    i.vertical, i.line_spacing_style, i.line_spacing, i.layout_mode);
  };
  return fields(a) == fields(b);
}

// The last part the line before `begin` reads to decide where it ends: the
// first word from `begin`, and the part after it.
position last_part_read_ahead(const geom_multitext& text, position begin) {
  position end = begin;
  while (end < text.size() && text.parts[end].type() == string_type) ++end;
  return end;
}

// The first line whose breaking can see a change at `at`.
std::size_t first_line_to_redo(const geom_multitext& text, position at) {
  const auto& lines = text.lines;
  const auto after = std::upper_bound(lines.begin(), lines.end(), at,
                                      [](position p, const line_record& line) { return p < line.begin; });
  std::size_t line = after == lines.begin() ? 0 : static_cast<std::size_t>(after - lines.begin()) - 1;
  while (line > 0 && at <= last_part_read_ahead(text, lines[line].begin)) --line;
  return line;
}

// Replaces items [from, to) of `v` by `made`, moving the items after them
// with `move`. Items are overwritten where they can be, so that the tail is
// shifted in memory only when the count changes.
template <class T, class Move>
void splice(std::vector<T>& v, std::size_t from, std::size_t to, const std::vector<T>& made, Move move) {
  for (std::size_t i = to; i < v.size(); ++i) move(v[i]);
  const std::size_t overwritten = std::min(to - from, made.size());
  const auto at = [&](std::size_t i) { return v.begin() + static_cast<long>(i); };
  std::copy_n(made.begin(), overwritten, at(from));
  if (made.size() > overwritten)
    v.insert(at(from + overwritten), made.begin() + static_cast<long>(overwritten), made.end());
  else
    v.erase(at(from + overwritten), at(to));
}

}  // namespace

void incremental_layout::dispose(geom_multitext& text) {
  column_flow flow(text, true);
  for (position at = 0; at < text.size();) at = flow.lay_line(at);
  flow.finish();
  text.lines = std::move(flow.lines);
  text.columns = std::move(flow.columns);
  states_ = std::move(flow.states);
  keep(text);
}

bool incremental_layout::update(geom_multitext& text, const part_change& change) {
  if (!can_resume(text, change)) {
    dispose(text);
    return false;
  }
  const position_map map{change};
  const std::size_t first = first_line_to_redo(text, change.at);
  const std::size_t first_column = states_[first].column;
  column_flow flow(text, true);
  flow.resume(states_[first]);

  // The old line a new line may meet: the first old one beginning in the
  // unchanged rest at or after the new line.
  std::size_t old = first;
  const auto meets_old_line = [&](position at) {
    while (old < states_.size() &&
           (text.lines[old].begin < map.unchanged_from() || map(text.lines[old].begin) < at))
      ++old;
    return old < states_.size() && map(text.lines[old].begin) == at && moved(states_[old], map) == flow.state();
  };

  position at = text.lines[first].begin;
  while (at < text.size() && !meets_old_line(at)) at = flow.lay_line(at);
  const bool met = at < text.size();
  if (!met) {
    flow.finish();
    old = states_.size();
  }
  const std::size_t old_column = met ? states_[old].column : text.columns.size();

  splice(text.lines, first, old, flow.lines, [&](line_record& line) {
    line.begin = map(line.begin);
    line.end = map(line.end);
  });
  splice(text.columns, first_column, old_column, flow.columns, [&](column_record& column) {
    column.begin = map(column.begin);
    column.end = map(column.end);
  });
  splice(states_, first, old, flow.states, [&](flow_state& state) { state = moved(state, map); });
  keep(text);
  return true;
}

bool incremental_layout::can_resume(const geom_multitext& text, const part_change& change) const {
  const bool change_fits = change.at <= size_ && change.erased <= size_ - change.at &&
                           size_ - change.erased + change.inserted == text.size();
  return change_fits && !states_.empty() && states_.size() == text.lines.size() && text.info.vertical == 0 &&
         same_parameters(info_, text.info) && paragraph_ == text.paragraph;
}

void incremental_layout::keep(const geom_multitext& text) {
  size_ = text.size();
  info_ = text.info;
  paragraph_ = text.paragraph;
  check_invariant(text);
}

void incremental_layout::check_invariant([[maybe_unused]] const geom_multitext& text) const {
#ifndef NDEBUG
  MTEXT_ENSURE(states_.size() == text.lines.size(), "one flow state per line");
  MTEXT_ENSURE(states_.empty() || states_.back().column <= text.columns.size(), "columns closed before each line");
#endif
}

}  // namespace mtext
