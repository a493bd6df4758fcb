// ruler_model: what the ruler and the column gadgets show, read from the
// entity being edited as plain values, so the controls never see the entity.
//
// Coordinates are the entity's plane (x along the text, y up, origin at the
// top left of the first column), in drawing units. The ruler unit is the
// text height; the paragraph formats shown are in ruler units (the laid-out
// text keeps its lengths as multiples of the text height). Pixel sizes are
// drawing units per screen pixel.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "editor/mtext_editable.h"
#include "mtext/format.h"

namespace editor {

using drawing_units = double;
using ruler_units = double;  // multiples of the text height
using pixel_size = double;   // drawing units per screen pixel

// Where the text hangs from horizontally: its attachment's column.
enum class hanging : std::int32_t { left = 1, centre = 2, right = 3 };
hanging hanging_of(OdDbMText::AttachmentPoint attachment);

// Before the controls were drawn in a view: a text height of 20 pixels.
pixel_size default_pixel_size(drawing_units text_height);

struct ruler_model {
  drawing_units unit = 1.0;  // one ruler unit: the text height
  pixel_size px = 0.05;
  drawing_units frame_width = 0.0;  // all columns and gutters
  drawing_units column_width = 0.0;
  drawing_units gutter = 0.0;
  std::size_t columns = 1;
  hanging side = hanging::left;
  // Per column: the paragraph a selection in it lies in, if any.
  std::vector<std::optional<mtext::format::paragraph>> paragraphs;

  friend bool operator==(const ruler_model&, const ruler_model&) = default;
};

// One column's frame as the gadgets under the text show it.
struct column_view {
  std::size_t index = 0;
  drawing_units x = 0.0;       // left edge
  drawing_units width = 0.0;
  drawing_units height = 0.0;  // the frame's, downwards from y = 0
  drawing_units text_height = 0.0;  // the laid-out lines', downwards

  friend bool operator==(const column_view&, const column_view&) = default;
};

ruler_model ruler_model_of(const ExMTextEditable& entity, pixel_size px);
std::vector<column_view> column_views_of(const ExMTextEditable& entity);

// The frame height the column of this index is set to: a manual height of
// dynamic columns, else the frame's.
drawing_units set_column_height(const column_settings& columns, std::size_t index);

// The format of the paragraph `at` lies in: of the break that opens it,
// else the text's own.
const mtext::format::paragraph& paragraph_at(const mtext::geom_multitext& text, mtext::position at);

}  // namespace editor
