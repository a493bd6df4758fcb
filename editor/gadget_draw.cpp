#include "editor/gadget_draw.h"

#include <algorithm>

#include "editor/selection_geometry.h"
#include "platform/sdk/OdGiWorldDraw.h"

namespace editor {

namespace {

constexpr std::uint8_t backdrop_alpha = 200;
constexpr std::uint8_t highlight_alpha = 120;
constexpr int light_view_sum = 382;  // r + g + b above it: a light view
constexpr int tint_parts = 24;
constexpr double margin_beyond_mask = 0.3;  // text heights

std::uint8_t tinted(std::uint8_t channel, int towards) {
  return static_cast<std::uint8_t>(((tint_parts - 1) * channel + towards) / tint_parts);
}

void fill_quad(OdGiWorldDraw& wd, double left, double right, double top, double bottom) {
  const OdGePoint3d corners[] = {{left, top, 0.0}, {right, top, 0.0}, {right, bottom, 0.0}, {left, bottom, 0.0}};
  wd.geometry().polygon(4, corners);
}

void set_fill(OdGiWorldDraw& wd, const OdCmEntityColor& colour, std::uint8_t alpha) {
  OdGiSubEntityTraits& traits = wd.subEntityTraits();
  traits.setFillType(kOdGiFillAlways);
  traits.setTrueColor(colour);
  traits.setTransparency(OdCmTransparency(alpha));
}

}  // namespace

backdrop backdrop_of(const OdDbMText& text, const OdCmEntityColor& view) {
  backdrop b{view, std::nullopt, 1.0};
  if (!text.backgroundFillOn()) return b;
  b.mask = text.useBackgroundColorOn() ? view : text.getBackgroundFillColor();
  b.mask_scale = text.getBackgroundScaleFactor();
  return b;
}

OdCmEntityColor backdrop_color(const backdrop& b) {
  if (b.mask) return *b.mask;
  const OdCmEntityColor& v = b.view_color;
  const int towards = v.red() + v.green() + v.blue() > light_view_sum ? 0 : 255;
  return OdCmEntityColor(tinted(v.red(), towards), tinted(v.green(), towards), tinted(v.blue(), towards));
}

double backdrop_margin(double text_height, double mask_scale) {
  return text_height * (std::max(mask_scale - 1.0, 0.0) + margin_beyond_mask);
}

OdGiDrawablePtr _gadget_draw::create(ExMTextEditablePtr entity, const backdrop& b) {
  return OdGiDrawablePtr(new OdRxObjectImpl<_gadget_draw>(std::move(entity), b), kOdRxObjAttach);
}

bool _gadget_draw::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  worldDraw->geometry().pushModelTransform(m_entity->planeToWorld());
  draw_backdrop(*worldDraw);
  draw_highlight(*worldDraw);
  worldDraw->geometry().popModelTransform();
  return false;
}

void _gadget_draw::draw_backdrop(OdGiWorldDraw& wd) const {
  set_fill(wd, backdrop_color(m_backdrop), backdrop_alpha);
  const double m = backdrop_margin(m_entity->textHeight(), m_backdrop.mask_scale);
  for (const mtext::column_record& c : m_entity->text().columns)
    fill_quad(wd, c.x - m, c.x + c.width + m, c.y + m, c.y - c.height - m);
}

void _gadget_draw::draw_highlight(OdGiWorldDraw& wd) const {
  set_fill(wd, OdCmEntityColor(255, 255, 255), highlight_alpha);
  const mtext::geom_multitext& text = m_entity->text();
  for (const mtext::marks::selection* s : mtext::marks::selections_of(text.marks))
    for (const line_box& box : selection_boxes(text, s->begin, s->end))
      fill_quad(wd, box.left, box.right, box.top, box.bottom);
}

}  // namespace editor
