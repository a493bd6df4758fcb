// caret_layer: the drawable that draws a caret at every empty selection of
// the text being edited: a stem with a serif at either end.
//
// A caret after a right-to-left word has a flag for a top serif, pointing
// the way that script runs. Carets are placed in the entity's plane and
// taken to the drawing by the editor's transform. Blinking only switches
// `visible`.
#pragma once

#include "editor/mtext_editable.h"
#include "platform/sdk/OdGeMatrix3d.h"
#include "platform/sdk/OdGiDrawableImpl.h"

namespace editor {

// The serifs reach this share of the caret's height to either side.
constexpr double caret_serif_share = 0.1;

class caret_layer : public OdGiDrawableImpl<> {
public:
  static OdSmartPtr<caret_layer> create(ExMTextEditablePtr entity);

  OdGeMatrix3d transform;                               // entity plane to drawing
  OdCmEntityColor colour = OdCmEntityColor::fromIndex(7);
  bool visible = true;
  // Set by the blink when it switches `visible`, cleared by each drawing.
  mutable bool switched = false;

protected:
  explicit caret_layer(ExMTextEditablePtr entity) : m_entity(std::move(entity)) {}
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  void draw_caret(OdGiWorldDraw& wd, mtext::position at) const;

  ExMTextEditablePtr m_entity;
};

}  // namespace editor
