#include "editor/text_frame.h"

#include <algorithm>

#include "editor/micui_layout.h"

namespace editor {

ODRX_CONS_DEFINE_MEMBERS_ALTNAME(text_frame, micui::control, u"editor::text_frame")

OdSmartPtr<text_frame> text_frame::create(const ExMTextEditable& entity, bool paragraph_mode) {
  OdSmartPtr<text_frame> root = micui::create_control<text_frame>(u"frame");
  root->m_entity = &entity;
  root->m_paragraphMode = paragraph_mode;
  root->layout();
  return root;
}

void text_frame::init() {
  auto border = micui::create_child<micui::frame>(*this, u"border");
  border->outline_colour = OdCmEntityColor::fromIndex(8);
  micui::create_child<micui::control>(*this, u"column extents");
  micui::create_child<micui::control>(*this, u"mtext");
  // Over the text area, so the handles on a column's bottom edge are whole to the pointer.
  micui::create_child<mtext::backstage>(*this, u"backstage");
}

double text_frame::px() const {
  return pixel_size() > 0.0 ? pixel_size() : default_pixel_size(m_entity ? m_entity->textHeight() : 1.0);
}

mtext::ruler* text_frame::ruler() const { return static_cast<mtext::ruler*>(child(u"ruler")); }

mtext::backstage& text_frame::backstage() const { return static_cast<mtext::backstage&>(*child(u"backstage")); }

text_box columns_box(const ExMTextEditable& entity) {
  const auto& columns = entity.text().columns;
  text_box box;
  if (columns.empty()) {
    box.width = entity.frameWidth();
    box.height = entity.textHeight();
    return box;
  }
  box.left = columns.front().x;
  double right = box.left;
  for (const mtext::column_record& c : columns) {
    right = std::max(right, c.x + c.width);
    box.height = std::max(box.height, c.height);
  }
  box.width = right - box.left;
  box.height = std::max(box.height, entity.textHeight());
  return box;
}

// The text runs down from y = 0, so every box takes a negative height.
void text_frame::layout() {
  if (!m_entity) return;
  const text_box box = columns_box(*m_entity);
  const double frame_width = std::max(m_entity->frameWidth(), box.width);
  const double frame_height = std::max(m_entity->frameHeight(), box.height);
  micui::layout_of(*this, u"border").place({box.left, 0.0}, frame_width, -frame_height);
  micui::layout_of(*this, u"column extents").place({box.left, 0.0}, box.width, -box.height);
  micui::layout_of(*this, u"mtext").place({box.left, 0.0}, box.width, -box.height);
  width = box.left + frame_width;
  height = -frame_height;
  layout_gadgets();
}

// The ruler stands above the frame's top edge, from the first column's left edge.
void text_frame::layout_gadgets() {
  mtext::backstage& stage = backstage();
  stage.visible = m_paragraphMode;
  if (!m_paragraphMode) return;
  const double px = this->px();
  stage.show(column_views_of(*m_entity), px);
  mtext::ruler* r = ruler();
  if (!r) r = micui::create_child<mtext::ruler>(*this, u"ruler").get();
  const ruler_model model = ruler_model_of(*m_entity, px);
  r->show(model);
  const double h = mtext::ruler_height_px * px;
  micui::child_layout(*r).place({columns_box(*m_entity).left, h + mtext::ruler_gap_px * px}, model.frame_width, -h);
}

}  // namespace editor
