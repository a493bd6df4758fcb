// The gadgets under the ruler: per laid-out column a frame ("border") with
// handles on its bottom edge that set the column's height ("height sizer",
// "height edge"), a corner handle that sets width and height together
// ("sizer"), the box the column's lines take ("column extents") and the
// dashed line shown under a tab stop while it is dragged ("tab guide line").
//
// The columns hang from "backstage" in the entity's plane; each column's
// box runs down from its top left corner (negative height), like the text.
#pragma once

#include <optional>
#include <vector>

#include "editor/micui_resizer.h"
#include "editor/ruler_model.h"

namespace mtext {

// A vertical dashed line down the column at x = 0 of its own box.
class tab_guide_line : public micui::control {
  ODRX_DECLARE_MEMBERS(tab_guide_line);

public:
  OdCmEntityColor colour{96, 96, 96};

  void draw(OdGiViewportDraw& vd) const override;
};

class column : public micui::control {
  ODRX_DECLARE_MEMBERS(column);

public:
  void init() override;
  void layout() override;
  // Shows a column's frame, laid out again only when something changed.
  void show(const editor::column_view& view, double px);
  const editor::column_view& view() const { return m_view; }
  // Shows the guide line at x from the column's left edge; none hides it.
  void show_guide(std::optional<double> x);

private:
  editor::column_view m_view;
  double m_px = 0.0;
};

class backstage : public micui::control {
  ODRX_DECLARE_MEMBERS(backstage);

public:
  // One visible "column" per view, in order; columns beyond them are hidden.
  void show(const std::vector<editor::column_view>& views, double px);
  // The visible column of this index; null when none.
  column* column_at(std::size_t index) const;
};

}  // namespace mtext
