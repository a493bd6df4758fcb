// _gadget_draw: the drawable that lies under the text being edited: a
// tinted backdrop behind every column and the highlight of the selections.
//
// The entity itself draws the text over it; the in-drawing controls come in
// its viewport draw. Geometry is in the entity's plane.
#pragma once

#include <optional>

#include "editor/mtext_editable.h"
#include "platform/sdk/OdGiDrawableImpl.h"

namespace editor {

// What the backdrop is made of.
struct backdrop {
  OdCmEntityColor view_color{255, 255, 255};  // of the view behind the drawing
  std::optional<OdCmEntityColor> mask;        // the text's mask fill, when it has one
  double mask_scale = 1.0;                    // the mask's border, in text heights
};

// The backdrop of `text` in a view of colour `view`: its mask fill when it
// has one (the view's colour when the mask takes that), with its border.
backdrop backdrop_of(const OdDbMText& text, const OdCmEntityColor& view);

// The mask fill, or the view's colour moved a twenty-fourth of the way
// towards black on light views and towards white on dark ones.
OdCmEntityColor backdrop_color(const backdrop& b);
// How far the backdrop reaches out of each column.
double backdrop_margin(double text_height, double mask_scale);

class _gadget_draw : public OdGiDrawableImpl<> {
public:
  static OdGiDrawablePtr create(ExMTextEditablePtr entity, const backdrop& b);

protected:
  _gadget_draw(ExMTextEditablePtr entity, const backdrop& b) : m_entity(std::move(entity)), m_backdrop(b) {}
  // Draws backdrop and highlight; answers false so that the controls get
  // their viewport draw.
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  void draw_backdrop(OdGiWorldDraw& wd) const;
  void draw_highlight(OdGiWorldDraw& wd) const;

  ExMTextEditablePtr m_entity;
  backdrop m_backdrop;
};

}  // namespace editor
