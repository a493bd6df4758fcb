#include <algorithm>

#include "mtext/layout.h"
#include "mtext/line_breaking.h"

namespace mtext {

namespace {

using layout_detail::built_line;

constexpr double five_thirds = 1.6666666666666667;
constexpr double two_thirds = 0.6666666666666667;

struct spacing {
  std::uint32_t style = format::spacing_multiple;
  double factor = 1.0;
};

// The ascent a (top to baseline) and pitch p (top to next top) of a line.
struct ascent_pitch {
  double a = 0.0;
  double p = 0.0;
};

ascent_pitch line_pitch(spacing s, const string_metrics& line, double h, std::uint32_t mode) {
  const double H = line.height, f = s.factor;
  switch (s.style) {
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

// Walks the lines down the columns, keeping the vertical state.
class column_flow {
public:
  explicit column_flow(geom_multitext& text) : text_(text), info_(text.info) {
    text_spacing_ = info_.line_spacing_style != format::spacing_unset
                        ? spacing{info_.line_spacing_style, info_.line_spacing}
                        : spacing{format::spacing_multiple, 1.0};
  }

  void run() {
    format::paragraph paragraph = layout_detail::normalised(text_.paragraph);
    bool paragraph_start = true;
    for (position at = 0; at < text_.size();) {
      const built_line line = layout_detail::build_line(text_, at, paragraph, paragraph_start);
      place_line(line, paragraph);
      paragraph_start = line.opened != nullptr;
      if (line.opened) paragraph = layout_detail::normalised(*line.opened);
      at = line.end;
    }
    add_trailing_line(paragraph);
    close_column(text_.size(), -last_bottom_);
    align_columns_vertically();
  }

private:
  spacing spacing_of(const format::paragraph& p) const {
    return p.line_spacing_style != format::spacing_unset ? spacing{p.line_spacing_style, p.line_spacing}
                                                         : text_spacing_;
  }

  double column_height(std::size_t index) const {
    const auto& heights = info_.column_heights;
    if (info_.column_kind == columns_dynamic_manual) return index < heights.size() ? heights[index] : 0.0;
    return heights.empty() ? 0.0 : heights.front();
  }

  bool column_may_exist(std::size_t index) const {
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
  double column_x() const {
    std::size_t index = column_;
    while (index > 0 && !column_may_exist(index)) --index;
    return (info_.column_width + info_.gutter) * static_cast<double>(index);
  }

  void close_column(position end, double height) {
    text_.columns.push_back({column_start_, end, column_x(), 0.0, info_.column_width, height});
  }

  void place_line(const built_line& line, const format::paragraph& paragraph) {
    const std::uint32_t mode = info_.layout_mode;
    const spacing s = spacing_of(paragraph);
    const ascent_pitch ap = line_pitch(s, line.metrics, info_.text_height, mode);
    const bool first_in_column = line.begin == column_start_;
    if (mode == 1 && s.style == format::spacing_at_least && !first_in_column)
      top_ = last_baseline_ - (ap.p - ap.a);
    double baseline = top_ - ap.a;
    double bottom = mode == 1 ? baseline - line.metrics.depth : top_ - ap.p;
    double next_top = top_ - ap.p;
    if (!first_in_column && bottom < -column_height(column_) && column_may_exist(column_ + 1)) {
      close_column(line.begin, -last_bottom_);
      ++column_;
      column_start_ = line.begin;
      baseline = -ap.a;
      next_top = -ap.p;
      bottom = mode == 1 ? baseline - line.metrics.depth : -ap.p;
    }
    if (mode == 1 && paragraph.line_spacing_style == format::spacing_unset) {
      const ascent_pitch text_ap = line_pitch(text_spacing_, line.metrics, info_.text_height, 1);
      next_top = baseline - (text_ap.p - text_ap.a);
    }
    move_parts(line, baseline);
    record_line(line, baseline);
    last_baseline_ = baseline;
    last_bottom_ = bottom;
    top_ = next_top;
    if (ends_with_column_break(line) && column_may_exist(column_ + 1)) {
      close_column(line.end, -bottom);
      ++column_;
      column_start_ = line.end;
      top_ = 0.0;
    }
  }

  void move_parts(const built_line& line, double baseline) {
    const double x = column_x();
    const double dy = baseline + line.metrics.height + line.metrics.leading;
    for (position i = line.begin; i < line.end; ++i) {
      text_.parts[i].x += x;
      text_.parts[i].y += dy;
    }
  }

  void record_line(const built_line& line, double baseline) {
    line_record record;
    static_cast<string_metrics&>(record) = line.metrics;
    record.left = record.right = record.depth = 0.0;
    record.ascent = record.height;
    record.begin = line.begin;
    record.end = line.end;
    record.x = line.end > line.begin ? text_.parts[line.begin].x : column_x();
    record.y = baseline;
    text_.lines.push_back(record);
  }

  bool ends_with_column_break(const built_line& line) const {
    if (line.end == line.begin) return false;
    const geom_part& last = text_.parts[line.end - 1];
    return last.type() == new_paragraph_type && part_cast<new_paragraph>(last.part()).column_break;
  }

  // A text ending in a break gets an empty last line for the caret.
  void add_trailing_line(const format::paragraph& paragraph) {
    if (text_.parts.empty()) return;
    const geom_part& last = text_.parts.back();
    if (last.type() != new_line_type && last.type() != new_paragraph_type) return;
    const double h = info_.text_height;
    built_line empty{text_.size(), text_.size(), last.geometry, nullptr};
    place_line(empty, paragraph);
    line_record& record = text_.lines.back();
    const double indent = (paragraph.first_indent + paragraph.left_indent) * h;
    const double free = info_.column_width - paragraph.right_indent * h - indent;
    const std::uint32_t alignment =
        paragraph.alignment != format::alignment_unset ? paragraph.alignment : info_.horizontal;
    const double offset = alignment == format::alignment_center ? free * 0.5
                          : alignment == format::alignment_right ? free
                                                                   : 0.0;
    record.x = column_x() + indent + offset;
  }

  void align_columns_vertically() {
    if (info_.vertical == 0) return;
    const auto& heights = info_.column_heights;
    const double tallest = heights.empty() ? 0.0 : *std::max_element(heights.begin(), heights.end());
    const double factor = info_.vertical == 1 ? 0.5 : 1.0;
    const auto shift_of = [&](const column_record& column) { return (tallest - column.height) * factor; };
    for (line_record& line : text_.lines)
      if (const column_record* column = column_of(line)) line.y -= shift_of(*column);
    for (column_record& column : text_.columns) {
      const double shift = shift_of(column);
      for (position i = column.begin; i < column.end; ++i) text_.parts[i].y -= shift;
      column.y -= shift;
    }
  }

  // The column a line lies in. The empty last line lies at the end of every
  // column that ends there; it belongs to the last of them, which a final
  // column break opens for it.
  const column_record* column_of(const line_record& line) const {
    const column_record* found = nullptr;
    for (const column_record& column : text_.columns)
      if (column.begin <= line.begin &&
          (line.begin < column.end || (line.begin == column.end && line.end == line.begin)))
        found = &column;
    return found;
  }

  geom_multitext& text_;
  const convert_info& info_;
  spacing text_spacing_;
  std::size_t column_ = 0;
  position column_start_ = 0;
  double top_ = 0.0;
  double last_baseline_ = 0.0;
  double last_bottom_ = 0.0;
};

}  // namespace

void dispose(geom_multitext& text) {
  text.lines.clear();
  text.columns.clear();
  column_flow(text).run();
}

}  // namespace mtext
