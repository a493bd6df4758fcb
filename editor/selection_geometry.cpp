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

// The line a caret at `at` stands on: the one holding the part after it, or
// the last line at the end of the text.
const mtext::line_record* line_of(const mtext::geom_multitext& text, mtext::position at) {
  for (const mtext::line_record& line : text.lines)
    if (at >= line.begin && at < line.end) return &line;
  return text.lines.empty() ? nullptr : &text.lines.back();
}

}  // namespace

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
