#include "mtext/line_breaking.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace mtext::layout_detail {

namespace {

constexpr double indent_tolerance = 1e-10;
constexpr double default_tab_step = 4.0;  // in text heights

bool same_stop(const format::tab_stop& a, const format::tab_stop& b) {
  const double tolerance = 1024.0 * std::numeric_limits<double>::epsilon() *
                           std::max(std::fabs(a.position), std::fabs(b.position));
  return a.kind == b.kind && std::fabs(a.position - b.position) <= tolerance &&
         (a.kind != format::tab_decimal || a.decimal_char == b.decimal_char);
}

bool is_break(std::uint32_t type) { return type == new_line_type || type == new_paragraph_type; }

// The tallest part gives a line its font fields.
void add_height(string_metrics& line, const part_metrics& part) {
  const font_metrics& font = part.font();
  if (font.height + font.descent + font.gap > line.height + line.descent + line.gap) {
    line.leading = font.leading;
    line.height = font.height;
    line.descent = font.descent;
    line.gap = font.gap;
  }
  line.ascent = std::max(line.ascent, part.ascent());
  line.depth = std::max(line.depth, part.depth());
}

// Adds a part's metrics to a line's.
void add_part(string_metrics& line, const part_metrics& part) {
  add_height(line, part);
  if (line.advance == 0.0) {
    line.advance = part.advance;
    line.left = part.left();
    line.right = part.right();
  } else {
    line.advance += part.advance;
    line.right = part.right();
  }
}

// Blanks at a line's end widen it without adding ink.
void add_blank(string_metrics& line, double advance) {
  line.advance += advance;
  line.right += advance;
}

double ink_width(const string_metrics& m) { return m.advance - m.left - m.right; }

bool is_true_type(const geom_part& p) { return !format::font_of(p.part().format.style).shx; }

class line_builder {
public:
  line_builder(geom_multitext& text, position begin, const format::paragraph& paragraph, bool paragraph_start)
      : text_(text), info_(text.info), h_(text.info.text_height), paragraph_(paragraph),
        begin_(begin), cur_(begin) {
    left_margin_ = (paragraph_start ? paragraph.first_indent + paragraph.left_indent : paragraph.left_indent) * h_;
    right_bound_ = info_.column_width - paragraph.right_indent * h_;
    origin_ = first_segment_x_ = line_start_x_ = left_margin_;
    hanging_ = paragraph_start && paragraph.first_indent < -indent_tolerance;
    wrapping_ = info_.column_width != 0.0;
    segment_begin_ = begin;
  }

  built_line build() {
    take_first_part();
    while (!ended_ && cur_ < size()) take_next_part();
    position_segment(cur_);
    if (type_at(begin_) == new_line_type) at(begin_).x = 0.0;  // an empty line's break sits at 0
    align_horizontally();
    place_vertically();
    return {begin_, cur_, line_, opened_};
  }

private:
  position size() const { return text_.size(); }
  geom_part& at(position i) { return text_.parts[i]; }
  std::uint32_t type_at(position i) { return at(i).type(); }
  double available() const { return right_bound_ - line_start_x_; }
  double pen_x() const { return line_start_x_ + line_.advance; }
  bool overflows(const string_metrics& m) const { return wrapping_ && available() <= ink_width(m); }

  position word_end(position from) {
    position end = from;
    while (end < size() && type_at(end) == string_type) ++end;
    return end;
  }

  void place_word(string_metrics& m, position from, position to) {
    for (position i = from; i < to; ++i) add_part(m, at(i).geometry);
  }

  void take_first_part() {
    const std::uint32_t type = type_at(cur_);
    if (type == string_type || type == spaces_type || type == stack_type) {
      const position end = type == string_type ? word_end(cur_) : cur_ + 1;
      place_word(line_, cur_, end);
      cur_ = end;
      if (overflows(line_)) end_with_trailing_blanks();
    } else if (type == tab_type) {
      take_first_tab();
    } else {
      take_break();
    }
  }

  void take_first_tab() {
    const tab_target stop = hanging_stop(next_tab_stop(paragraph_, info_, pen_x()));
    geom_part& tab = at(cur_);
    tab.x = 0.0;
    tab.geometry.advance = stop.found ? stop.position : 0.0;
    line_start_x_ = 0.0;
    add_part(line_, tab.geometry);
    origin_ = first_segment_x_ = tab.geometry.advance;
    segment_begin_ = ++cur_;
    place_following_word();
  }

  void take_next_part() {
    const std::uint32_t type = type_at(cur_);
    const part_metrics& g = at(cur_).geometry;
    switch (type) {
      case string_type: {
        const position end = word_end(cur_);
        string_metrics trial = line_;
        place_word(trial, cur_, end);
        if (overflows(trial)) return end_line();
        line_ = trial;
        cur_ = end;
        return;
      }
      case spaces_type:
        if (fits(g.advance)) {
          add_blank(line_, g.advance);
          ++cur_;
        } else {
          end_with_trailing_blanks();
        }
        return;
      case stack_type:
        if (!fits(g.advance)) return end_line();
        add_part(line_, g);
        ++cur_;
        return;
      case tab_type: return take_tab();
      default: return take_break();
    }
  }

  bool fits(double advance) const { return !wrapping_ || ink_width(line_) + advance < available(); }

  void take_tab() {
    position_segment(cur_);
    const double pen = pen_x();
    const tab_target stop = hanging_stop(next_tab_stop(paragraph_, info_, pen));
    if (!stop.found) return end_line();
    if (wrapping_ && right_bound_ - stop.position <= -(line_.left + line_.right)) return end_line();
    geom_part& tab = at(cur_);
    tab.x = pen;
    tab.geometry.advance = stop.position - pen;
    add_blank(line_, tab.geometry.advance);
    origin_ = stop.position;
    segment_begin_ = ++cur_;
    place_following_word();
  }

  // In a hanging first line a tab before the left indent goes to the indent.
  tab_target hanging_stop(tab_target stop) const {
    const double left_indent = paragraph_.left_indent * h_;
    if (hanging_ && pen_x() < left_indent - indent_tolerance &&
        (!stop.found || stop.is_default || left_indent + indent_tolerance < stop.position))
      return {true, left_indent, false};
    return stop;
  }

  void place_following_word() {
    if (cur_ >= size() || type_at(cur_) != string_type) return;
    const position end = word_end(cur_);
    place_word(line_, cur_, end);
    cur_ = end;
  }

  // A line break or paragraph break: taken, and the line ends. A line of a
  // break alone is as high as the break's font.
  void take_break() {
    if (cur_ == begin_) add_height(line_, at(cur_).geometry);
    if (type_at(cur_) == new_paragraph_type)
      opened_ = &part_cast<new_paragraph>(at(cur_).part()).paragraph;
    ++cur_;
    end_line();
  }

  // Blanks after an overflowing part stay on its line, and so does a line
  // break right after them; a paragraph break starts the next line.
  void end_with_trailing_blanks() {
    while (cur_ < size() && type_at(cur_) == spaces_type) add_blank(line_, at(cur_++).geometry.advance);
    if (cur_ < size() && type_at(cur_) == new_line_type) return take_break();
    end_line();
  }

  void end_line() { ended_ = true; }

  // Gives x to the parts of the segment [segment_begin_, end) from the pen origin.
  void position_segment(position end) {
    position i = segment_begin_;
    if (i < end && type_at(i) == tab_type) ++i;
    if (i >= end) return;
    double x = origin_;
    const std::uint32_t mode = info_.layout_mode;
    const bool left_aligned = alignment() == format::alignment_left;
    if (mode == 1 || (mode == 2 && is_true_type(at(begin_)) && !left_aligned)) x -= at(i).geometry.left();
    for (; i < end; ++i) {
      geom_part& p = at(i);
      if (p.type() == tab_type) continue;
      p.x = x;
      if (!is_break(p.type())) x += p.geometry.advance;
    }
    segment_begin_ = end;
  }

  std::uint32_t alignment() const {
    return paragraph_.alignment != format::alignment_unset ? paragraph_.alignment : info_.horizontal;
  }

  double line_width() const {
    switch (info_.layout_mode) {
      case 0: return line_.advance;
      case 1: return ink_width(line_);
      default:
        if (!is_true_type(text_.parts[begin_])) return line_.advance;
        return alignment() == format::alignment_left ? line_.advance - line_.right : ink_width(line_);
    }
  }

  void shift(position from, position to, double dx) {
    for (position i = from; i < to; ++i) at(i).x += dx;
  }

  void align_horizontally() {
    const double free = right_bound_ - left_margin_ - line_width();
    switch (alignment()) {
      case format::alignment_center: return shift(begin_, cur_, free * 0.5);
      case format::alignment_right: return shift(begin_, cur_, free);
      case format::alignment_justified: return justify();
      case format::alignment_distributed: return distribute();
      default: return;
    }
  }

  position first_content() {
    return (begin_ < cur_ && type_at(begin_) == tab_type) ? begin_ + 1 : begin_;
  }

  bool ends_with_break() { return cur_ > begin_ && is_break(type_at(cur_ - 1)); }

  void justify() {
    if (cur_ >= size() || ends_with_break()) return;  // the last line and broken lines stay
    const position first = first_content();
    position last_ink = first;
    for (position i = first; i < cur_; ++i)
      if (type_at(i) != spaces_type) last_ink = i;
    std::uint32_t gaps = 0;
    for (position i = first; i < last_ink; ++i)
      if (type_at(i) == spaces_type) ++gaps;
    if (gaps == 0) return;
    const double extra = ((right_bound_ - first_segment_x_) - line_width()) / gaps;
    double accumulated = 0.0;
    for (position i = first; i < cur_; ++i) {
      at(i).x += accumulated;
      if (i < last_ink && type_at(i) == spaces_type) accumulated += extra;
    }
  }

  void distribute() {
    const position first = first_content();
    position counted_end = first;  // one past the last non-space part
    for (position i = first; i < cur_; ++i)
      if (type_at(i) != spaces_type && !is_break(type_at(i))) counted_end = i + 1;
    const position n = counted_end - first;
    const double free = (right_bound_ - first_segment_x_) - line_width();
    if (n == 0) return;
    if (free < 0.0) return shift(begin_, cur_, (right_bound_ - left_margin_ - ink_width(line_)) * 0.5);
    const double step = n > 1 ? free / (n - 1) : 0.0;
    for (position i = first; i < cur_; ++i) at(i).x += step * std::min<position>(i - first, n - 1);
  }

  void place_vertically() {
    for (position i = begin_; i < cur_; ++i) {
      geom_part& p = at(i);
      switch (p.part().format.align) {
        case format::align_bottom: p.y = -line_.leading - line_.height; break;
        case format::align_center:
          p.y = -line_.leading - line_.height * 0.5 - p.geometry.font().height * 0.5;
          break;
        case format::align_top: p.y = -line_.leading - p.geometry.font().height; break;
        default: break;
      }
    }
  }

  geom_multitext& text_;
  const convert_info& info_;
  double h_;
  const format::paragraph& paragraph_;
  position begin_;
  position cur_;
  double left_margin_ = 0.0;
  double right_bound_ = 0.0;
  double origin_ = 0.0;            // pen origin of the current segment
  double first_segment_x_ = 0.0;   // where the line's first segment starts
  double line_start_x_ = 0.0;      // where the line's metrics start
  bool hanging_ = false;
  bool wrapping_ = true;
  bool ended_ = false;
  position segment_begin_ = 0;
  string_metrics line_;
  const format::paragraph* opened_ = nullptr;
};

}  // namespace

format::paragraph normalised(const format::paragraph& p) {
  format::paragraph copy = p;
  std::stable_sort(copy.tabs.begin(), copy.tabs.end(),
                   [](const format::tab_stop& a, const format::tab_stop& b) { return a.position < b.position; });
  copy.tabs.erase(std::unique(copy.tabs.begin(), copy.tabs.end(), same_stop), copy.tabs.end());
  return copy;
}

tab_target next_tab_stop(const format::paragraph& p, const convert_info& info, double pen_x) {
  const double h = info.text_height;
  // Without a width nothing bounds the stops.
  const double limit = info.column_width == 0.0
                           ? std::numeric_limits<double>::infinity()
                           : std::max(0.0, info.column_width - 2.0 * p.right_indent * h);
  for (const format::tab_stop& stop : p.tabs) {
    if (stop.position > pen_x / h) {
      if (stop.position * h <= limit) return {true, stop.position * h, false};
      break;
    }
  }
  const double step = default_tab_step * h;
  const double position = (std::floor(pen_x / step) + 1.0) * step;
  if (position > limit) return {};
  return {true, position, true};
}

built_line build_line(geom_multitext& text, position begin, const format::paragraph& paragraph,
                      bool paragraph_start) {
  return line_builder(text, begin, paragraph, paragraph_start).build();
}

}  // namespace mtext::layout_detail
