#include "editor/ruler_controls.h"

#include <cmath>

#include "editor/micui_layout.h"

namespace mtext {

ODRX_CONS_DEFINE_MEMBERS_ALTNAME(tabulation, micui::control, u"mtext::tabulation")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(notch, micui::control, u"mtext::notch")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(tab_area, micui::tframe, u"mtext::tab_area")
ODRX_CONS_DEFINE_MEMBERS_ALTNAME(ruler, micui::control, u"mtext::ruler")

bool place_down(micui::control& child, double x, double y, double width, double height) {
  return micui::child_layout(child).place({x, -y}, width, -height);
}

namespace {

using marker = micui::mixin<micui::triangle>;

// How far a stop's bar sits to the left of the stem, as a share of its length.
double bar_shift(std::uint32_t kind) {
  switch (kind) {
    case format::tab_left: return 0.0;
    case format::tab_right: return 1.0;
    default: return 0.5;  // centre and decimal
  }
}

template <class Shape>
OdSmartPtr<Shape> coloured(OdSmartPtr<Shape> shape, const OdCmEntityColor& outline, const OdCmEntityColor& fill) {
  shape->outline_colour = outline;
  shape->fill_colour = fill;
  return shape;
}

// Sets a field and says whether it changed, for the change test of show().
template <class T>
bool assign(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

// Tabulation

void tabulation::init() {
  for (const char16_t* part : {u"hor", u"ver", u"dash"}) micui::create_child<micui::frame>(*this, part);
}

void tabulation::layout() {
  const double w = width, h = -height;
  const double f = bar_shift(kind);
  place_down(*child(u"hor"), 0.5 * w - f * 0.6 * w, 0.1 * h, 0.6 * w, 0.2 * h);
  place_down(*child(u"ver"), 0.4 * w, 0.2 * h, 0.2 * w, 0.6 * h);
  place_down(*child(u"dash"), 0.6 * w, 0.6 * h, 0.2 * w, 0.2 * h);
  child(u"dash")->visible = kind == format::tab_decimal;
}

void tabulation::set_colours(const OdCmEntityColor& outline, const OdCmEntityColor& fill) {
  for (const micui::control_ptr& c : children()) coloured(OdSmartPtr<micui::frame>(c.get()), outline, fill);
}

// Notch

void notch::draw(OdGiViewportDraw& vd) const {
  constexpr double closest_px = 4.0;
  if (scale <= 0.0 || width <= 0.0) return;
  int every = 1;
  if (px > 0.0 && scale < closest_px * px) every = 5;
  if (px > 0.0 && 5.0 * scale < closest_px * px) return;
  vd.subEntityTraits().setFillType(kOdGiFillNever);
  vd.subEntityTraits().setTrueColor(tick_colour);
  const auto count = static_cast<int>(std::floor(width / scale + 1e-9));
  for (int i = every; i <= count; i += every) {
    const double reach = (i % 5 == 0 ? 0.6 : 0.3) * height;
    const OdGePoint3d tick[] = {{i * scale, height, 0.0}, {i * scale, height - reach, 0.0}};
    vd.geometry().polyline(2, tick);
  }
}

// Tab area

void tab_area::init() {
  fill_colour = OdCmEntityColor(236, 238, 243);
  outline_colour = OdCmEntityColor(96, 96, 96);
  transparency = OdCmTransparency(std::uint8_t{230});
  micui::create_child<notch>(*this, u"notch");
  const OdCmEntityColor outline(10, 10, 10), fill(248, 248, 248);
  const std::pair<const char16_t*, std::int32_t> markers[] = {
      {u"indent", micui::triangle::south}, {u"left-indent", micui::triangle::east},
      {u"right-indent", micui::triangle::west}};
  for (const auto& [name, orientation] : markers) {
    auto m = coloured(micui::create_child<marker>(*this, name), outline, fill);
    m->orientation = orientation;
    m->direction = resizer::west_east;
  }
}

bool tab_area::show(std::size_t column, double scale, double px, const std::optional<format::paragraph>& paragraph) {
  const bool changed = (m_column != column) | assign(m_scale, scale) | assign(m_px, px) | assign(m_paragraph, paragraph);
  m_column = column;
  if (changed) layout();
  return changed;
}

void tab_area::layout() {
  const double h = -height;
  place_down(*child(u"notch"), 0.0, 0.15 * h, width, 0.7 * h);
  auto* ticks = static_cast<notch*>(child(u"notch"));
  ticks->scale = m_scale;
  ticks->px = m_px;
  layout_tabs();
  layout_indents();
}

void tab_area::layout_tabs() {
  const double h = -height;
  const std::size_t count = m_paragraph ? m_paragraph->tabs.size() : 0;
  while (children_named(u"tab").size() < count) {
    micui::create_child<tabulation>(*this, u"tab")->set_colours({20, 20, 20}, {20, 20, 20});
  }
  const std::vector<micui::control*> tabs = children_named(u"tab");
  for (std::size_t i = 0; i < tabs.size(); ++i) {
    auto& sign = static_cast<tabulation&>(*tabs[i]);
    sign.visible = i < count;
    if (!sign.visible) continue;
    const format::tab_stop& stop = m_paragraph->tabs[i];
    const bool turned = assign(sign.kind, stop.kind);
    if (!place_down(sign, stop.position * m_scale - 0.35 * h, 0.15 * h, 0.7 * h, 0.7 * h) && turned) sign.layout();
  }
}

void tab_area::layout_indents() {
  for (const char16_t* name : {u"indent", u"left-indent", u"right-indent"}) child(name)->visible = m_paragraph.has_value();
  if (!m_paragraph) return;
  const double h = -height;
  const double left = m_paragraph->left_indent * m_scale;
  const double first = left + m_paragraph->first_indent * m_scale;
  const double right = width - m_paragraph->right_indent * m_scale;
  place_down(*child(u"indent"), first - 0.2 * h, 0.7 * h, 0.4 * h, 0.3 * h);
  place_down(*child(u"left-indent"), left, 0.0, 0.25 * h, 0.5 * h);
  place_down(*child(u"right-indent"), right - 0.25 * h, 0.0, 0.25 * h, 0.5 * h);
}

const format::tab_stop* tab_area::stop_of(const micui::control& marker) const {
  const std::vector<micui::control*> tabs = children_named(u"tab");
  for (std::size_t i = 0; i < tabs.size(); ++i)
    if (tabs[i] == &marker && m_paragraph && i < m_paragraph->tabs.size()) return &m_paragraph->tabs[i];
  return nullptr;
}

// Ruler

void ruler::init() {
  auto border = coloured(micui::create_child<micui::tframe>(*this, u"ruler_border"), {96, 96, 96}, {149, 164, 191});
  border->transparency = OdCmTransparency(std::uint8_t{190});
  micui::create_child<tabulation>(*this, u"tab switch")->set_colours({14, 14, 14}, {6, 6, 6});
  auto sizer = micui::create_child<micui::mixin<micui::rhomb>>(*this, u"width sizer");
  sizer->set_colours({111, 123, 143}, {64, 64, 64});
  sizer->direction = resizer::west_east;
}

void ruler::show(const editor::ruler_model& model) {
  if (model == m_model) return;
  m_model = model;
  layout();
}

void ruler::layout() {
  layout_ends();
  layout_tab_areas();
  layout_dot();
}

// A right-hanging text is sized from its left end: the switch and the sizer trade ends.
void ruler::layout_ends() {
  const double px = m_model.px, w = m_model.frame_width, h = -height;
  const bool right = m_model.side == editor::hanging::right;
  place_down(*child(u"ruler_border"), -20.0 * px, 0.0, w + 40.0 * px, h);
  place_down(*child(u"tab switch"), -18.0 * px + (right ? w + 20.0 * px : 0.0), (h - 10.0 * px) / 2.0, 10.0 * px,
             10.0 * px);
  place_down(*child(u"width sizer"), w + 1.0 * px - (right ? w + 20.0 * px : 0.0), (h - 10.0 * px) / 2.0, 18.0 * px,
             10.0 * px);
}

void ruler::layout_tab_areas() {
  const editor::ruler_model& m = m_model;
  const double h = -height, area_h = tab_area_height_px * m.px;
  while (children_named(u"tab area").size() < m.columns) micui::create_child<tab_area>(*this, u"tab area");
  const std::vector<micui::control*> areas = children_named(u"tab area");
  for (std::size_t i = 0; i < areas.size(); ++i) {
    auto& area = static_cast<tab_area&>(*areas[i]);
    area.visible = i < m.columns;
    if (!area.visible) continue;
    const std::optional<format::paragraph> shown = i < m.paragraphs.size() ? m.paragraphs[i] : std::nullopt;
    const double x = static_cast<double>(i) * (m.column_width + m.gutter);
    area.show(i, m.unit, m.px, shown);
    place_down(area, x, (h - area_h) / 2.0, m.column_width, area_h);
  }
}

void ruler::layout_dot() {
  const editor::ruler_model& m = m_model;
  micui::control* dot = child(u"dot");
  if (m.columns < 2) {
    if (dot) dot->visible = false;
    return;
  }
  if (!dot) {
    auto made = coloured(micui::create_child<micui::mixin<micui::circle>>(*this, u"dot"), {84, 84, 84}, {111, 123, 143});
    made->direction = resizer::west_east;
    dot = made.get();
  }
  dot->visible = true;
  const double h = -height, size = 6.0 * m.px;
  place_down(*dot, gutter_dot_x(m) - size / 2.0, (h - size) / 2.0, size, size);
}

double gutter_dot_x(const editor::ruler_model& m) {
  const double x = m.column_width + m.gutter / 2.0;
  return m.side == editor::hanging::right ? m.frame_width - x : x;
}

std::uint32_t ruler::tab_kind() const { return static_cast<const tabulation*>(child(u"tab switch"))->kind; }

void ruler::cycle_tab_kind() {
  auto* sign = static_cast<tabulation*>(child(u"tab switch"));
  sign->kind = (sign->kind + 1) % 4;
  sign->layout();
}

}  // namespace mtext
