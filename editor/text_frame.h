// text_frame: the root of the editor's controls, in the entity's plane: the
// frame's border ("border"), the area the columns take ("column extents"),
// the text area ("mtext") that mouse clicks place carets in, the column
// frames with their handles ("backstage") and, in paragraph mode, the
// ruler over the text ("ruler").
#pragma once

#include "editor/column_gadgets.h"
#include "editor/micui_frame.h"
#include "editor/mtext_editable.h"
#include "editor/ruler_controls.h"

namespace editor {

class text_frame : public micui::control {
  ODRX_DECLARE_MEMBERS(text_frame);

public:
  // A frame over `entity`, which must outlive it, laid out from it; the
  // ruler and the column handles only in paragraph mode.
  static OdSmartPtr<text_frame> create(const ExMTextEditable& entity, bool paragraph_mode = true);

  void init() override;
  void layout() override;

  // Drawing units per screen pixel: the view's once drawn, else a default for the text height.
  double px() const;
  mtext::ruler* ruler() const;
  mtext::backstage& backstage() const;

private:
  void layout_gadgets();

  const ExMTextEditable* m_entity = nullptr;
  bool m_paragraphMode = true;
};

// The box the laid-out columns take in the entity's plane: left, top, width, height (downwards).
struct text_box {
  double left = 0.0, top = 0.0, width = 0.0, height = 0.0;
};
text_box columns_box(const ExMTextEditable& entity);

}  // namespace editor
