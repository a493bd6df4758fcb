#include "editor/text_frame.h"

#include <algorithm>

#include "editor/micui_layout.h"

namespace editor {

ODRX_CONS_DEFINE_MEMBERS_ALTNAME(text_frame, micui::control, u"editor::text_frame")

OdSmartPtr<text_frame> text_frame::create(const ExMTextEditable& entity) {
  OdSmartPtr<text_frame> root = micui::create_control<text_frame>(u"frame");
  root->m_entity = &entity;
  root->layout();
  return root;
}

void text_frame::init() {
  auto border = micui::create_child<micui::frame>(*this, u"border");
  border->outline_colour = OdCmEntityColor::fromIndex(8);
  micui::create_child<micui::control>(*this, u"column extents");
  micui::create_child<micui::control>(*this, u"mtext");
}

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
}

}  // namespace editor
