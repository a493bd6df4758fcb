#include "editor/column_gadgets.h"

#include "editor/micui_layout.h"
#include "editor/ruler_controls.h"

namespace mtext {

ODRX_CONS_DEFINE_MEMBERS_ALTNAME(tab_guide_line, micui::control, u"mtext::tab_guide_line")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(column, micui::control, u"mtext::column")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(backstage, micui::control, u"mtext::backstage")

void tab_guide_line::draw(OdGiViewportDraw& vd) const {
  OdGiSubEntityTraits& traits = vd.subEntityTraits();
  const OdString found = traits.lineType();
  traits.setFillType(kOdGiFillNever);
  traits.setTrueColor(colour);
  traits.setLineType(u"DASHED");
  const OdGePoint3d line[] = {{0.0, 0.0, 0.0}, {0.0, height, 0.0}};
  vd.geometry().polyline(2, line);
  traits.setLineType(found);
}

void column::init() {
  auto border = micui::create_child<micui::tframe>(*this, u"border");
  border->outline_colour = OdCmEntityColor(76, 76, 94);
  border->transparency = OdCmTransparency(std::uint8_t{148});
  auto diamond = micui::create_child<micui::mixin<micui::rhomb>>(*this, u"height sizer");
  diamond->set_colours({64, 64, 64}, {128, 128, 128});
  diamond->direction = resizer::north_south;
  // A strip along the whole bottom edge that only the cursor shows.
  auto edge = micui::create_child<micui::mixin<micui::frame>>(*this, u"height edge");
  edge->outline_colour = OdCmEntityColor(OdCmEntityColor::kNone);
  edge->direction = resizer::north_south;
  micui::create_child<micui::control>(*this, u"column extents");
  auto corner = micui::create_child<micui::mixin<micui::sizer>>(*this, u"sizer");
  corner->outline_colour = OdCmEntityColor(96, 96, 96);
  corner->direction = resizer::northwest_southeast;
  micui::create_child<tab_guide_line>(*this, u"tab guide line")->visible = false;
}

void column::show(const editor::column_view& view, double px) {
  if (view == m_view && px == m_px) return;
  m_view = view;
  m_px = px;
  layout();
}

void column::layout() {
  const double w = m_view.width, h = m_view.height, px = m_px;
  place_down(*child(u"border"), 0.0, 0.0, w, h);
  place_down(*child(u"height sizer"), w / 2.0 - 10.0 * px, h - 5.0 * px, 20.0 * px, 10.0 * px);
  place_down(*child(u"height edge"), 0.0, h - 2.5 * px, w, 5.0 * px);
  place_down(*child(u"column extents"), 0.0, 0.0, w, m_view.text_height);
  // Outside the lower right corner, so it never covers the text.
  place_down(*child(u"sizer"), w, h, 10.0 * px, 10.0 * px);
  micui::control& guide = *child(u"tab guide line");
  place_down(guide, guide.position.x, 0.0, 0.0, h);
}

void column::show_guide(std::optional<double> x) {
  micui::control& guide = *child(u"tab guide line");
  guide.visible = x.has_value();
  if (x) micui::child_layout(guide).move_to({*x, 0.0});
}

void backstage::show(const std::vector<editor::column_view>& views, double px) {
  while (children_named(u"column").size() < views.size()) micui::create_child<column>(*this, u"column");
  const std::vector<micui::control*> columns = children_named(u"column");
  for (std::size_t i = 0; i < columns.size(); ++i) {
    auto& c = static_cast<column&>(*columns[i]);
    c.visible = i < views.size();
    if (!c.visible) continue;
    c.show(views[i], px);
    micui::child_layout(c).move_to({views[i].x, 0.0});
  }
}

column* backstage::column_at(std::size_t index) const {
  const std::vector<micui::control*> columns = children_named(u"column");
  return index < columns.size() && columns[index]->visible ? static_cast<column*>(columns[index]) : nullptr;
}

}  // namespace mtext
