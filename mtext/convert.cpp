#include "mtext/convert.h"

#include <algorithm>
#include <cmath>

#include "mtext/draw.h"
#include "mtext/layout.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbMTextLayoutProvider.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

namespace mtext {

namespace {

constexpr int field_code_with_markers = 16;
constexpr double zero_height = 1e-10;
constexpr double default_text_height = 2.5;

// The content of an object: its "TEXT" field's code, or its contents.
std::u16string content_of(const OdDbMText& object) {
  const OdDbObjectPtr text_field = object.getField(u"TEXT", OdDb::kForRead);
  if (text_field.isNull()) return object.contents().str();
  return OdDbFieldPtr(text_field)->getFieldCode(field_code_with_markers).str();
}

std::vector<double> column_heights(const OdDbMText& object) {
  std::vector<double> heights;
  for (int i = 0; i < object.getColumnCount(); ++i) heights.push_back(object.getColumnHeight(i));
  while (!heights.empty() && heights.back() <= 0.0) heights.pop_back();
  return heights;
}

// Sizes multiline text objects by laying them out.
// The left and right ends of the widest extent of the lines that hold parts.
struct line_span {
  double left = 0.0, right = 0.0;
};

line_span span_of_lines(const geom_multitext& text) {
  line_span span;
  bool any = false;
  for (const line_record& line : text.lines) {
    if (line.end == line.begin) continue;
    span.left = any ? std::min(span.left, line.x) : line.x;
    span.right = any ? std::max(span.right, line.x + line.advance) : line.x + line.advance;
    any = true;
  }
  return span;
}

}  // namespace

box_origin box_origin_of(const geom_multitext& text) {
  box_origin origin;
  if (text.columns.size() <= 1) origin.x = span_of_lines(text).left;
  // A frame taller or shorter than the text moves it down or up (a bottom
  // attachment with no height of its own moves it up by its height); the
  // box the attachment places is the text's own.
  const column_record* tallest = nullptr;
  for (const column_record& column : text.columns)
    if (!tallest || column.height > tallest->height) tallest = &column;
  if (tallest) origin.y = tallest->y;
  return origin;
}

namespace {

class layout_provider : public OdDbMTextLayoutProvider {
public:
  bool measure(const OdDbMText& object, od_mtext_extents& extents) const override {
    const geom_multitext text = decode(OdSmartPtr<OdDbMText>(const_cast<OdDbMText*>(&object)));
    const line_span span = span_of_lines(text);
    extents.width = span.right - span.left;
    extents.height = 0.0;
    for (const column_record& column : text.columns) extents.height = std::max(extents.height, column.height);
    if (text.columns.size() > 1)
      extents.width = static_cast<double>(text.columns.size()) * text.info.column_width +
                       static_cast<double>(text.columns.size() - 1) * text.info.gutter;
    return true;
  }

  bool draw(const OdDbMText& object, OdGiWorldDraw& worldDraw, const OdGeMatrix3d& toWorld) const override {
    const geom_multitext text = decode(OdSmartPtr<OdDbMText>(const_cast<OdDbMText*>(&object)));
    const box_origin origin = box_origin_of(text);
    OdGiGeometry& geometry = worldDraw.geometry();
    geometry.pushModelTransform(toWorld * OdGeMatrix3d::translation(OdGeVector3d(-origin.x, -origin.y, 0.0)));
    mtext::draw(text, worldDraw, geometry, object.color());
    geometry.popModelTransform();
    return true;
  }
};

}  // namespace

geom_multitext decode(const char16_t* content, const format::string& base, const convert_info& info,
                      const string_size_finder& finder) {
  multitext model;
  parse(content, base, model, false);
  geom_multitext text;
  to_geom(text, model, info.text_height, finder);
  text.info = info;
  dispose(text);
  return text;
}

geom_multitext decode(OdSmartPtr<OdDbMText> object) {
  if (object.isNull()) return geom_multitext();
  const std::u16string content = content_of(*object);
  const mtext_size_finder finder(OdDbDatabasePtr(object->database()));
  return decode(content.c_str(), default_mtext_format(object), mtext_convert_info(object), finder);
}

std::u16string encode(const geom_multitext& text, const format::string& base, double scale) {
  return serialize(flatten(text), base, scale);
}

// The style the object is drawn in: without a style of its own (a DXF may
// leave it out), the drawing's Standard style.
format::string default_mtext_format(OdSmartPtr<OdDbMText> object) {
  format::string f;  // colour unset, align 0
  f.height = object->textHeight();
  f.style = giEntityTextStyle(object->textStyle(), object->database(), f.height);
  return f;
}

convert_info mtext_convert_info(OdSmartPtr<OdDbMText> object) {
  convert_info info;
  const double width = object->width();
  switch (object->getColumnType()) {
    case OdDbMText::kNoColumns:
      info.column_width = width;
      info.gutter = 0.2 * width;
      info.column_heights = {object->height()};
      break;
    case OdDbMText::kStaticColumns:
      info.column_width = object->getColumnWidth();
      info.gutter = object->getColumnGutterWidth();
      info.column_heights.assign(static_cast<std::size_t>(std::max(0, object->getColumnCount())), object->height());
      break;
    default:
      info.column_width = object->getColumnWidth();
      info.gutter = object->getColumnGutterWidth();
      if (object->getColumnAutoHeight()) {
        info.column_kind = columns_dynamic_auto;
        info.column_heights = {object->height()};
      } else {
        info.column_kind = columns_dynamic_manual;
        info.column_heights = column_heights(*object);
      }
  }
  info.text_height = std::fabs(object->textHeight()) <= zero_height ? default_text_height : object->textHeight();
  const od_attachment_cell cell = odAttachmentCell(object->attachment());
  info.horizontal = static_cast<std::uint32_t>(cell.column + 1);
  info.vertical = static_cast<std::uint32_t>(cell.row);
  return info;
}

void install_layout_provider() {
  static layout_provider provider;
  odDbSetMTextLayoutProvider(&provider);
}

}  // namespace mtext
