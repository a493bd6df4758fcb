// The vertical flow of laid-out lines down the columns: line pitch, column
// overflow and column breaks, the empty last line and vertical alignment of
// columns. `dispose` runs it over the whole text; the incremental re-layout
// resumes it at a line from the state it recorded before that line.
//
// y is in the text's plane (top of the first line at 0, y up); positions are
// part indices of the text being laid out.
#pragma once

#include <cstddef>
#include <vector>

#include "mtext/geom_multitext.h"

namespace mtext::layout_detail {

struct built_line;

constexpr position no_paragraph_break = to_the_end;

// What the flow carries from one line to the next. Equal states before the
// same parts make the same lines.
struct flow_state {
  std::size_t column = 0;  // also the number of columns closed so far
  position column_start = 0;
  double top = 0.0;  // top of the next line
  double last_baseline = 0.0;
  double last_bottom = 0.0;
  position paragraph_break = no_paragraph_break;  // the break that opened the paragraph in force
  bool paragraph_start = true;

  friend bool operator==(const flow_state&, const flow_state&) = default;
};

class column_flow {
public:
  // With `record_states`, `states` gets the state before each line.
  column_flow(geom_multitext& text, bool record_states);

  // Carries on from `state`, taken before a line of the same text.
  void resume(const flow_state& state);
  // Breaks and places one line from `at`; returns where the next begins.
  position lay_line(position at);
  // The empty last line after a final break, the last column, and vertical
  // alignment of the columns.
  void finish();

  const flow_state& state() const { return state_; }

  std::vector<line_record> lines;
  std::vector<column_record> columns;
  std::vector<flow_state> states;

private:
  struct spacing {
    std::uint32_t style = format::spacing_multiple;
    double factor = 1.0;
  };

  spacing spacing_of(const format::paragraph& p) const;
  double column_height(std::size_t index) const;
  bool column_may_exist(std::size_t index) const;
  double column_x() const;
  void close_column(position end, double height);
  void place_line(const built_line& line);
  void move_parts(const built_line& line, double baseline);
  void record_line(const built_line& line, double baseline);
  bool ends_with_column_break(const built_line& line) const;
  void add_trailing_line();
  void align_columns_vertically();
  const column_record* column_of(const line_record& line) const;

  geom_multitext& text_;
  const convert_info& info_;
  bool record_states_;
  spacing text_spacing_;
  flow_state state_;
  format::paragraph paragraph_;  // in force, normalised
};

}  // namespace mtext::layout_detail
