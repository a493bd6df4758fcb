#include "editor/selection_geometry.h"

#include <algorithm>
#include <cmath>

namespace editor {

namespace {

constexpr char16_t first_right_to_left = 0x0590;
constexpr char16_t last_right_to_left = 0x076D;

// The pen x after the line's last part.
double line_end_x(const mtext::geom_multitext& text, const mtext::line_record& line) {
  if (line.end == line.begin) return line.x;
  const mtext::geom_part& last = text.parts[line.end - 1];
  return last.x + last.geometry.advance;
}

// The x of position `at` on `line`, which holds it or ends at it.
double x_at(const mtext::geom_multitext& text, const mtext::line_record& line, mtext::position at) {
  return at < line.end ? text.parts[at].x : line_end_x(text, line);
}

// Descents are negative for some fonts and positive for others.
double line_top(const mtext::line_record& line) { return line.y + line.height; }
double line_bottom(const mtext::line_record& line) { return line.y - std::fabs(line.descent); }

const mtext::line_record* line_of(const mtext::geom_multitext& text, mtext::position at) {
  const auto index = line_holding(text, at);
  return index ? &text.lines[*index] : nullptr;
}

// How far y lies above or below the line; 0 on it.
double vertical_distance(const mtext::line_record& line, double y) {
  if (y > line_top(line)) return y - line_top(line);
  if (y < line_bottom(line)) return line_bottom(line) - y;
  return 0.0;
}

double horizontal_distance(const mtext::column_record& column, double x) {
  if (x < column.x) return column.x - x;
  if (x > column.x + column.width) return x - column.x - column.width;
  return 0.0;
}

// The lines of the column nearest to x; all of them without columns.
std::pair<std::size_t, std::size_t> lines_near(const mtext::geom_multitext& text, double x) {
  if (text.columns.empty()) return {0, text.lines.size()};
  const auto column = std::min_element(text.columns.begin(), text.columns.end(), [x](const auto& a, const auto& b) {
    return horizontal_distance(a, x) < horizontal_distance(b, x);
  });
  std::size_t first = text.lines.size(), last = 0;
  for (std::size_t i = 0; i < text.lines.size(); ++i)
    if (text.lines[i].begin >= column->begin && text.lines[i].begin < column->end) {
      first = std::min(first, i);
      last = i + 1;
    }
  if (first >= last) return {0, text.lines.size()};
  return {first, last};
}

}  // namespace

std::optional<std::size_t> line_holding(const mtext::geom_multitext& text, mtext::position at) {
  for (std::size_t i = 0; i < text.lines.size(); ++i)
    if (at >= text.lines[i].begin && at < text.lines[i].end) return i;
  if (text.lines.empty()) return std::nullopt;
  return text.lines.size() - 1;
}

mtext::position position_on_line(const mtext::geom_multitext& text, std::size_t index, double x,
                                 const std::function<bool(mtext::position)>& allowed) {
  const mtext::line_record& line = text.lines.at(index);
  // A wrapped line's end is the next line's begin, where the caret shows.
  const mtext::position last = line.end == text.size() || line.end == line.begin ? line.end : line.end - 1;
  mtext::position best = line.begin;
  double best_distance = -1.0;
  for (mtext::position at = line.begin; at <= last && at <= text.size(); ++at) {
    if (allowed && !allowed(at)) continue;
    const double distance = std::fabs(x_at(text, line, at) - x);
    if (best_distance < 0.0 || distance < best_distance) best = at, best_distance = distance;
  }
  return best;
}

std::optional<mtext::position> position_at_point(const mtext::geom_multitext& text, const OdGePoint3d& point) {
  if (text.lines.empty()) return std::nullopt;
  const auto [first, last] = lines_near(text, point.x);
  std::size_t nearest = first;
  for (std::size_t i = first; i < last; ++i)
    if (vertical_distance(text.lines[i], point.y) < vertical_distance(text.lines[nearest], point.y)) nearest = i;
  return position_on_line(text, nearest, point.x);
}

std::vector<line_box> selection_boxes(const mtext::geom_multitext& text, mtext::position begin,
                                      mtext::position end) {
  std::vector<line_box> boxes;
  for (const mtext::line_record& line : text.lines) {
    const mtext::position from = std::max(begin, line.begin), to = std::min(end, line.end);
    if (from >= to) continue;
    boxes.push_back({x_at(text, line, from), x_at(text, line, to), line_top(line), line_bottom(line)});
  }
  return boxes;
}

std::optional<caret_stem> caret_at(const mtext::geom_multitext& text, mtext::position at) {
  const mtext::line_record* line = line_of(text, at);
  if (!line) return std::nullopt;
  const double x = x_at(text, *line, std::clamp(at, line->begin, line->end));
  return caret_stem{{x, line_top(*line), 0.0}, {x, line_bottom(*line), 0.0}};
}

bool right_to_left_before(const mtext::geom_multitext& text, mtext::position at) {
  if (at == 0 || at > text.size() || text.parts[at - 1].type() != mtext::string_type) return false;
  const auto& word = mtext::part_cast<mtext::string>(text.parts[at - 1].part());
  return std::any_of(word.text.begin(), word.text.end(),
                     [](char16_t c) { return c >= first_right_to_left && c <= last_right_to_left; });
}

}  // namespace editor
