// STYLE and LAYER table records.
//
// A style's typeface, bold and italic live in the "ACAD" extended data
// (1000 typeface, 1071 flags: pitch and family in the low byte, charset in
// the next, italic bit 24, bold bit 25). A layer's colour number is
// negative when the layer is off.
#include <cmath>
#include <cstdlib>

#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"
#include "platform/sdk/OdDxfValue.h"

namespace {

constexpr double kDegrees = 180.0 / OdaPI;
enum : int { kShapeFileFlag = 1, kVerticalFlag = 4 };
enum : int { kFrozenFlag = 1, kLockedFlag = 4 };
constexpr long long kItalicBit = 1LL << 24, kBoldBit = 1LL << 25;

struct od_font_data {
  OdString typeface;
  long long flags = 0;
};

// The "ACAD" extended data: 1000 typeface then 1071 flags.
std::optional<od_font_data> font_data(const OdDxfTags& tags, int version) {
  for (std::size_t i = 0; i < tags.size(); ++i) {
    if (tags[i].code != 1001 || tags[i].value != "ACAD") continue;
    od_font_data data;
    for (std::size_t j = i + 1; j < tags.size() && tags[j].code != 1001; ++j) {
      if (tags[j].code == 1000) data.typeface = odDxfDecodeString(tags[j].value, version, true);
      if (tags[j].code == 1071) data.flags = odDxfParseInt(tags[j].value).value_or(0);
    }
    return data;
  }
  return std::nullopt;
}

od_font_data font_data_of(const OdDbTextStyleTableRecord& style) {
  od_font_data data;
  bool bold = false, italic = false;
  int charset = 0, pitch = 0;
  style.font(data.typeface, bold, italic, charset, pitch);
  data.flags = (pitch & 0xFF) | ((charset & 0xFF) << 8) | (italic ? kItalicBit : 0) | (bold ? kBoldBit : 0);
  return data;
}

void write_font_data(OdDxfTags& tags, const od_font_data& data, int version) {
  std::size_t at = tags.size();
  for (std::size_t i = 0; i < tags.size(); ++i)
    if (tags[i].code == 1001 && tags[i].value == "ACAD") at = i;
  if (at < tags.size()) {
    std::size_t end = at + 1;
    while (end < tags.size() && tags[end].code != 1001) ++end;
    tags.erase(tags.begin() + static_cast<std::ptrdiff_t>(at), tags.begin() + static_cast<std::ptrdiff_t>(end));
  }
  const OdDxfTags fresh{{1001, "ACAD", 0}, {1000, odDxfEncodeString(data.typeface, version), 0},
                        {1071, odDxfFormatInt(data.flags), 0}};
  tags.insert(tags.begin() + static_cast<std::ptrdiff_t>(at), fresh.begin(), fresh.end());
}

OdCmEntityColor layer_color(const od_dxf_reader& reader) {
  OdCmEntityColor color = OdCmEntityColor::fromIndex(OdCmEntityColor::kACIforeground);
  if (const auto rgb = reader.integer(420)) {
    color = odDxfTrueColor(*rgb);
  } else if (const auto index = reader.integer(62)) {
    odDxfApply([&] { color.setColorIndex(static_cast<int>(std::llabs(*index))); });
  }
  return color;
}

}  // namespace

OdDbObjectPtr odDxfReadTextStyle(const OdDxfTags& record, const OdDxfContext& context) {
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
  od_dxf_reader reader(record, context.version);
  reader.part("AcDbTextStyleTableRecord");
  style->setName(reader.string(2).value_or(OdString()));
  const long long flags = reader.integer(70).value_or(0);
  style->setIsShapeFile(flags & kShapeFileFlag);
  style->setIsVertical(flags & kVerticalFlag);
  style->setTextSize(reader.real(40).value_or(0.0));
  style->setXScale(reader.real(41).value_or(1.0));
  style->setObliquingAngle(reader.real(50).value_or(0.0) / kDegrees);
  style->setPriorSize(reader.real(42).value_or(2.5));
  style->setFileName(reader.string(3).value_or(OdString()));
  style->setBigFontFileName(reader.string(4).value_or(OdString()));
  if (const auto font = font_data(record, context.version))
    style->setFont(font->typeface, font->flags & kBoldBit, font->flags & kItalicBit,
                   static_cast<int>((font->flags >> 8) & 0xFF), static_cast<int>(font->flags & 0xFF));
  return style;
}

OdDxfTags odDxfWriteTextStyle(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  const auto& style = dynamic_cast<const OdDbTextStyleTableRecord&>(object);
  OdDxfTags tags = original.empty() ? odDxfNewRecord(object, "STYLE", {"AcDbSymbolTableRecord", "AcDbTextStyleTableRecord"}, context)
                                    : original;
  od_dxf_patcher patcher(tags, context.version);
  patcher.part("AcDbTextStyleTableRecord", {2, 70, 40, 41, 50, 71, 42, 3, 4});
  patcher.string(2, style.getName(), OdString(), true);
  od_dxf_reader reader(tags, context.version);
  const long long oldFlags = reader.part("AcDbTextStyleTableRecord").integer(70).value_or(0);
  const long long flags = (oldFlags & ~static_cast<long long>(kShapeFileFlag | kVerticalFlag)) |
                          (style.isShapeFile() ? kShapeFileFlag : 0) | (style.isVertical() ? kVerticalFlag : 0);
  const bool fresh = original.empty();
  patcher.integer(70, flags, 0, fresh);
  patcher.real(40, style.textSize(), 0.0, fresh);
  patcher.real(41, style.xScale(), 1.0, fresh);
  patcher.angle(50, style.obliquingAngle(), fresh);
  if (fresh) patcher.integer(71, 0, 0, true);  // mirroring is not modelled
  patcher.real(42, style.priorSize(), 2.5, fresh);
  patcher.string(3, style.fileName(), OdString(), fresh);
  patcher.string(4, style.bigFontFileName(), OdString(), fresh);
  const od_font_data wanted = font_data_of(style);
  const auto old = font_data(tags, context.version);
  const bool same = old ? old->typeface == wanted.typeface && old->flags == wanted.flags : wanted.typeface.isEmpty();
  if (!same && context.version >= kOdDxfSubclassVersion) write_font_data(tags, wanted, context.version);
  return tags;
}

OdDbObjectPtr odDxfReadLayer(const OdDxfTags& record, const OdDxfContext& context) {
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  od_dxf_reader reader(record, context.version);
  reader.part("AcDbLayerTableRecord");
  layer->setName(reader.string(2).value_or(OdString()));
  const long long flags = reader.integer(70).value_or(0);
  layer->setIsFrozen(flags & kFrozenFlag);
  layer->setIsLocked(flags & kLockedFlag);
  layer->setIsOff(reader.integer(62).value_or(7) < 0);
  layer->setColor(layer_color(reader));
  if (const auto linetype = reader.string(6); linetype && !linetype->isEmpty()) layer->setLinetypeName(*linetype);
  return layer;
}

OdDxfTags odDxfWriteLayer(const OdDbObject& object, const OdDxfTags& original, const OdDxfContext& context) {
  const auto& layer = dynamic_cast<const OdDbLayerTableRecord&>(object);
  OdDxfTags tags = original.empty() ? odDxfNewRecord(object, "LAYER", {"AcDbSymbolTableRecord", "AcDbLayerTableRecord"}, context)
                                    : original;
  od_dxf_patcher patcher(tags, context.version);
  patcher.part("AcDbLayerTableRecord", {2, 70, 62, 420, 6, 290, 370, 390});
  patcher.string(2, layer.getName(), OdString(), true);
  od_dxf_reader reader(tags, context.version);
  reader.part("AcDbLayerTableRecord");
  const long long oldFlags = reader.integer(70).value_or(0);
  const long long flags = (oldFlags & ~static_cast<long long>(kFrozenFlag | kLockedFlag)) |
                          (layer.isFrozen() ? kFrozenFlag : 0) | (layer.isLocked() ? kLockedFlag : 0);
  const bool fresh = original.empty();
  patcher.integer(70, flags, 0, fresh);
  // The colour number carries the off state; a true colour keeps the number the file chose.
  const OdCmEntityColor& color = layer.color();
  const bool sameColor = !fresh && layer_color(reader) == color;
  const int index = sameColor ? static_cast<int>(std::llabs(reader.integer(62).value_or(7))) : color.colorIndex();
  patcher.integer(62, layer.isOff() ? -index : index, 7, fresh);
  if (!sameColor && color.isByColor() && context.version >= kOdDxfSubclassVersion)
    patcher.integer(420, color.color() & 0xFFFFFF, -1, true);
  else if (!sameColor)
    patcher.remove(420);
  patcher.string(6, layer.linetypeName(), u"Continuous", fresh);
  return tags;
}
