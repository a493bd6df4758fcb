// text_frame: the root of the editor's controls, in the entity's plane: the
// frame's border ("border"), the area the columns take ("column extents")
// and the text area ("mtext") that mouse clicks place carets in. The ruler
// and the sizing gadgets hang from it too.
#pragma once

#include "editor/micui_frame.h"
#include "editor/mtext_editable.h"

namespace editor {

class text_frame : public micui::control {
  ODRX_DECLARE_MEMBERS(text_frame);

public:
  // A frame over `entity`, which must outlive it, laid out from it.
  static OdSmartPtr<text_frame> create(const ExMTextEditable& entity);

  void init() override;
  void layout() override;

private:
  const ExMTextEditable* m_entity = nullptr;
};

// The box the laid-out columns take in the entity's plane: left, top, width, height (downwards).
struct text_box {
  double left = 0.0, top = 0.0, width = 0.0, height = 0.0;
};
text_box columns_box(const ExMTextEditable& entity);

}  // namespace editor
