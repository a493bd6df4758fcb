// An editing entity laid out with the fixed-advance test font, and a
// recorder run over a drawable, for the drawing tests of the editor.
#pragma once

#include <vector>

#include "editor/mtext_editable.h"
#include "mtext/layout.h"
#include "platform/sdk/OdGiRecorder.h"
#include "tests/mtext/describe.h"
#include "tests/mtext/test_finder.h"

namespace editor_test {

constexpr double height = 2.5;  // the entity's default text height

inline ExMTextEditablePtr editable(const char16_t* content, const std::vector<mtext::marks::selection>& selections) {
  ExMTextEditablePtr e = ExMTextEditable::createObject();
  mtext::to_geom(e->text(), mtext_test::parsed(content, mtext_test::base_format(height)), height,
                 mtext_test::fixed_finder());
  mtext::dispose(e->text());
  mtext::marks::set_selections(selections, e->text().marks);
  return e;
}

inline std::vector<od_gi_primitive> record(const OdGiDrawable* drawable) {
  OdGiRecorder gi;
  gi.draw(drawable);
  return gi.takePrimitives();
}

}  // namespace editor_test
