#include "mtext/column_flow.h"

#include <algorithm>

#include "mtext/line_breaking.h"

namespace mtext::layout_detail {

namespace {

constexpr double five_thirds = 1.6666666666666667;
constexpr double two_thirds = 0.6666666666666667;

// The ascent a (top to baseline) and pitch p (top to next top) of a line.
struct ascent_pitch {
  double a = 0.0;
  double p = 0.0;
};

ascent_pitch line_pitch(std::uint32_t style, double f, const string_metrics& line, double h, std::uint32_t mode) {
  const double H = line.height;
  switch (style) {
    case format::spacing_at_least: {
      const double g = std::max(H / h, f);
      return {(4.0 * g - 1.0) * h / 3.0, g * five_thirds * h};
    }
    case format::spacing_exactly: return {f * h, f * five_thirds * h};
    case format::spacing_multiple:
      if (mode != 1) return {H, f * five_thirds * H};
      else {
        const double A = std::max(line.ascent, H);
        return {A, (H * two_thirds + A) * f};
      }
    default: return {};
  }
}

const format::paragraph& paragraph_opened_by(const geom_multitext& text, position paragraph_break) {
  if (paragraph_break == no_paragraph_break) return text.paragraph;
  return part_cast<new_paragraph>(text.parts[paragraph_break].part()).paragraph;
}

}  // namespace

column_flow::column_flow(geom_multitext& text, bool record_states)
    : text_(text), info_(text.info), record_states_(record_states), paragraph_(normalised(text.paragraph)) {
  text_spacing_ = info_.line_spacing_style != format::spacing_unset
                      ? spacing{info_.line_spacing_style, info_.line_spacing}
                      : spacing{format::spacing_multiple, 1.0};
}

void column_flow::resume(const flow_state& state) {
  state_ = state;
  paragraph_ = normalised(paragraph_opened_by(text_, state.paragraph_break));
}

position column_flow::lay_line(position at) {
  const built_line line = build_line(text_, at, paragraph_, state_.paragraph_start);
  place_line(line);
  state_.paragraph_start = line.opened != nullptr;
  if (line.opened) {
    paragraph_ = normalised(*line.opened);
    state_.paragraph_break = line.end - 1;
  }
  return line.end;
}

void column_flow::finish() {
  add_trailing_line();
  close_column(text_.size(), -state_.last_bottom);
  align_columns_vertically();
}

column_flow::spacing column_flow::spacing_of(const format::paragraph& p) const {
  return p.line_spacing_style != format::spacing_unset ? spacing{p.line_spacing_style, p.line_spacing}
                                                       : text_spacing_;
}

double column_flow::column_height(std::size_t index) const {
  const auto& heights = info_.column_heights;
  if (info_.column_kind == columns_dynamic_manual) return index < heights.size() ? heights[index] : 0.0;
  return heights.empty() ? 0.0 : heights.front();
}

bool column_flow::column_may_exist(std::size_t index) const {
  const auto& heights = info_.column_heights;
  switch (info_.column_kind) {
    case columns_static: return index < heights.size();
    case columns_dynamic_auto: return true;
    default:
      if (index == 0) return true;
      if (index > heights.size()) return false;
      return std::all_of(heights.begin(), heights.begin() + static_cast<long>(index),
                         [](double height) { return height != 0.0; });
  }
}

// Lines of a column that may not exist continue below the last one that may.
double column_flow::column_x() const {
  std::size_t index = state_.column;
  while (index > 0 && !column_may_exist(index)) --index;
  return (info_.column_width + info_.gutter) * static_cast<double>(index);
}

void column_flow::close_column(position end, double height) {
  columns.push_back({state_.column_start, end, column_x(), 0.0, info_.column_width, height});
}

void column_flow::place_line(const built_line& line) {
  if (record_states_) states.push_back(state_);
  flow_state& s = state_;
  const std::uint32_t mode = info_.layout_mode;
  const spacing sp = spacing_of(paragraph_);
  const ascent_pitch ap = line_pitch(sp.style, sp.factor, line.metrics, info_.text_height, mode);
  const bool first_in_column = line.begin == s.column_start;
  if (mode == 1 && sp.style == format::spacing_at_least && !first_in_column) s.top = s.last_baseline - (ap.p - ap.a);
  double baseline = s.top - ap.a;
  double bottom = mode == 1 ? baseline - line.metrics.depth : s.top - ap.p;
  double next_top = s.top - ap.p;
  if (!first_in_column && bottom < -column_height(s.column) && column_may_exist(s.column + 1)) {
    close_column(line.begin, -s.last_bottom);
    ++s.column;
    s.column_start = line.begin;
    baseline = -ap.a;
    next_top = -ap.p;
    bottom = mode == 1 ? baseline - line.metrics.depth : -ap.p;
  }
  if (mode == 1 && paragraph_.line_spacing_style == format::spacing_unset) {
    const ascent_pitch text_ap =
        line_pitch(text_spacing_.style, text_spacing_.factor, line.metrics, info_.text_height, 1);
    next_top = baseline - (text_ap.p - text_ap.a);
  }
  move_parts(line, baseline);
  record_line(line, baseline);
  s.last_baseline = baseline;
  s.last_bottom = bottom;
  s.top = next_top;
  if (ends_with_column_break(line) && column_may_exist(s.column + 1)) {
    close_column(line.end, -bottom);
    ++s.column;
    s.column_start = line.end;
    s.top = 0.0;
  }
}

void column_flow::move_parts(const built_line& line, double baseline) {
  const double x = column_x();
  const double dy = baseline + line.metrics.height + line.metrics.leading;
  for (position i = line.begin; i < line.end; ++i) {
    text_.parts[i].x += x;
    text_.parts[i].y += dy;
  }
}

void column_flow::record_line(const built_line& line, double baseline) {
  line_record record;
  static_cast<string_metrics&>(record) = line.metrics;
  record.left = record.right = record.depth = 0.0;
  record.ascent = record.height;
  record.begin = line.begin;
  record.end = line.end;
  record.x = line.end > line.begin ? text_.parts[line.begin].x : column_x();
  record.y = baseline;
  lines.push_back(record);
}

bool column_flow::ends_with_column_break(const built_line& line) const {
  if (line.end == line.begin) return false;
  const geom_part& last = text_.parts[line.end - 1];
  return last.type() == new_paragraph_type && part_cast<new_paragraph>(last.part()).column_break;
}

// A text ending in a break gets an empty last line for the caret.
void column_flow::add_trailing_line() {
  if (text_.parts.empty()) return;
  const geom_part& last = text_.parts.back();
  if (last.type() != new_line_type && last.type() != new_paragraph_type) return;
  const double h = info_.text_height;
  built_line empty{text_.size(), text_.size(), last.geometry, nullptr};
  place_line(empty);
  line_record& record = lines.back();
  const format::paragraph& paragraph = paragraph_;
  const double indent = (paragraph.first_indent + paragraph.left_indent) * h;
  const double free = info_.column_width - paragraph.right_indent * h - indent;
  const std::uint32_t alignment =
      paragraph.alignment != format::alignment_unset ? paragraph.alignment : info_.horizontal;
  const double offset = alignment == format::alignment_center ? free * 0.5
                        : alignment == format::alignment_right ? free
                                                                 : 0.0;
  record.x = column_x() + indent + offset;
}

void column_flow::align_columns_vertically() {
  if (info_.vertical == 0) return;
  const auto& heights = info_.column_heights;
  const double tallest = heights.empty() ? 0.0 : *std::max_element(heights.begin(), heights.end());
  const double factor = info_.vertical == 1 ? 0.5 : 1.0;
  const auto shift_of = [&](const column_record& column) { return (tallest - column.height) * factor; };
  for (line_record& line : lines)
    if (const column_record* column = column_of(line)) line.y -= shift_of(*column);
  for (column_record& column : columns) {
    const double shift = shift_of(column);
    for (position i = column.begin; i < column.end; ++i) text_.parts[i].y -= shift;
    column.y -= shift;
  }
}

// The column a line lies in. The empty last line lies at the end of every
// column that ends there; it belongs to the last of them, which a final
// column break opens for it.
const column_record* column_flow::column_of(const line_record& line) const {
  const column_record* found = nullptr;
  for (const column_record& column : columns)
    if (column.begin <= line.begin &&
        (line.begin < column.end || (line.begin == column.end && line.end == line.begin)))
      found = &column;
  return found;
}

}  // namespace mtext::layout_detail
