// The ruler over the text being edited: a strip with a tab area per column,
// the indent markers and tab stops of the paragraph a selection lies in,
// the tab-kind switch, the width sizer and, with several columns, the
// gutter dot. The controls show a ruler_model; dragging them is the
// editor's business (editor/gadget_drag.h).
//
// Every box here runs down from its origin, like the text: heights are
// negative, and "y" in the layout code counts downwards from the top edge
// (place_down), so a marker "at the bottom" has the larger y. The ruler's
// x runs from the left edge of the first column. Sizes named in pixels are
// multiples of the model's pixel size, so they keep their size on screen.
#pragma once

#include <cstdint>
#include <optional>

#include "editor/micui_resizer.h"
#include "editor/ruler_model.h"

namespace mtext {

// Screen sizes of the ruler, in pixels.
inline constexpr double ruler_height_px = 24.0;
inline constexpr double ruler_gap_px = 4.0;  // between the ruler and the frame
inline constexpr double tab_area_height_px = 20.0;

// A child placed with y and height counted downwards from the parent's top.
bool place_down(micui::control& child, double x, double y, double width, double height);

// A tab stop's sign: a stem with a bar to the side the text runs from the
// stop, and a dot for decimal stops. Its children "hor", "ver" and "dash"
// take its colours.
class tabulation : public micui::control {
  ODRX_DECLARE_MEMBERS(tabulation);

public:
  std::uint32_t kind = format::tab_left;

  void init() override;
  void layout() override;
  void set_colours(const OdCmEntityColor& outline, const OdCmEntityColor& fill);
};

// The tick strip: a tick every ruler unit, a longer one every fifth; ticks
// closer than a few pixels are left out.
class notch : public micui::control {
  ODRX_DECLARE_MEMBERS(notch);

public:
  double scale = 1.0;  // drawing units per ruler unit
  double px = 0.0;
  OdCmEntityColor tick_colour{40, 40, 40};

  void draw(OdGiViewportDraw& vd) const override;
};

// The part of the ruler over one column: its ticks, its paragraph's tab
// stops ("tab", in the order of the paragraph's list) and indent markers.
class tab_area : public micui::tframe {
  ODRX_DECLARE_MEMBERS(tab_area);

public:
  void init() override;
  void layout() override;
  // Shows a column's paragraph, laid out again only when something changed.
  bool show(std::size_t column, double scale, double px, const std::optional<format::paragraph>& paragraph);

  std::size_t column() const { return m_column; }
  double scale() const { return m_scale; }
  const std::optional<format::paragraph>& paragraph() const { return m_paragraph; }
  // The stop a "tab" marker of this area stands for; null for another control.
  const format::tab_stop* stop_of(const micui::control& marker) const;

private:
  void layout_tabs();
  void layout_indents();

  std::size_t m_column = 0;
  double m_scale = 1.0;
  double m_px = 0.0;
  std::optional<format::paragraph> m_paragraph;
};

class ruler : public micui::control {
  ODRX_DECLARE_MEMBERS(ruler);

public:
  void init() override;
  void layout() override;
  // Shows the model, laid out again only when it changed.
  void show(const editor::ruler_model& model);
  const editor::ruler_model& model() const { return m_model; }

  // The kind of stop a click in a tab area adds: the switch's.
  std::uint32_t tab_kind() const;
  // Left, centre, right, decimal, left again.
  void cycle_tab_kind();

private:
  void layout_ends();
  void layout_tab_areas();
  void layout_dot();

  editor::ruler_model m_model;
};

// The x of the gutter dot's centre from the ruler's origin.
double gutter_dot_x(const editor::ruler_model& m);

}  // namespace mtext
