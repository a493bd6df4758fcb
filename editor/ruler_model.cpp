#include "editor/ruler_model.h"

#include <algorithm>

#include "editor/text_frame.h"

namespace editor {

hanging hanging_of(OdDbMText::AttachmentPoint attachment) {
  const int a = static_cast<int>(attachment);
  return a < 1 ? hanging::left : static_cast<hanging>((a - 1) % 3 + 1);
}

pixel_size default_pixel_size(drawing_units text_height) { return text_height / 20.0; }

const mtext::format::paragraph& paragraph_at(const mtext::geom_multitext& text, mtext::position at) {
  for (mtext::position i = std::min(at, text.size()); i-- > 0;)
    if (text.parts[i].type() == mtext::new_paragraph_type)
      return static_cast<const mtext::new_paragraph&>(text.parts[i].part()).paragraph;
  return text.paragraph;
}

namespace {

std::size_t column_of(const mtext::geom_multitext& text, mtext::position at) {
  for (std::size_t i = 0; i < text.columns.size(); ++i)
    if (at < text.columns[i].end) return i;
  return text.columns.empty() ? 0 : text.columns.size() - 1;
}

// A format whose lengths are drawing units shows them in ruler units.
mtext::format::paragraph in_ruler_units(mtext::format::paragraph p, drawing_units unit) {
  if (p.extended || unit <= 0.0) return p;
  p.first_indent /= unit;
  p.left_indent /= unit;
  p.right_indent /= unit;
  p.extended = true;
  return p;
}

std::vector<std::optional<mtext::format::paragraph>> shown_paragraphs(const ExMTextEditable& entity,
                                                                     std::size_t columns) {
  const mtext::geom_multitext& text = entity.text();
  std::vector<std::optional<mtext::format::paragraph>> shown(columns);
  for (const mtext::marks::selection* s : mtext::marks::selections_of(text.marks)) {
    const std::size_t i = std::min(column_of(text, s->head()), columns - 1);
    if (!shown[i]) shown[i] = in_ruler_units(paragraph_at(text, s->begin), entity.textHeight());
  }
  return shown;
}

}  // namespace

ruler_model ruler_model_of(const ExMTextEditable& entity, pixel_size px) {
  ruler_model m;
  m.unit = entity.textHeight();
  m.px = px;
  m.frame_width = std::max(entity.frameWidth(), columns_box(entity).width);
  m.side = hanging_of(entity.attachment());
  const bool columned = entity.columnType() != OdDbMText::kNoColumns;
  m.columns = columned ? std::max<std::size_t>(entity.columnCount(), 1) : 1;
  m.column_width = columned ? entity.columnWidth() : m.frame_width;
  m.gutter = columned ? entity.gutter() : 0.0;
  m.paragraphs = shown_paragraphs(entity, m.columns);
  return m;
}

drawing_units set_column_height(const column_settings& columns, std::size_t index) {
  const bool manual = columns.type == OdDbMText::kDynamicColumns && !columns.auto_height;
  if (manual && index < columns.heights.size()) return columns.heights[index];
  return columns.frame_height;
}

std::vector<column_view> column_views_of(const ExMTextEditable& entity) {
  const auto& records = entity.text().columns;
  const std::size_t count = std::max<std::size_t>(entity.columnCount(), 1);
  const drawing_units step = entity.columnWidth() + entity.gutter();
  std::vector<column_view> views;
  for (std::size_t i = 0; i < count; ++i) {
    column_view v;
    v.index = i;
    v.text_height = i < records.size() ? records[i].height : 0.0;
    v.x = i < records.size() ? records[i].x : static_cast<double>(i) * step;
    v.width = entity.columnType() == OdDbMText::kNoColumns ? std::max(entity.frameWidth(), columns_box(entity).width)
                                                          : entity.columnWidth();
    v.height = std::max({set_column_height(entity.columns(), i), v.text_height, entity.textHeight()});
    views.push_back(v);
  }
  return views;
}

}  // namespace editor
