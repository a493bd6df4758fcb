#include <cstdlib>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdDxfObjectMapKinds.h"
#include "platform/sdk/OdDxfValue.h"

namespace {

// Entity codes in the order drawing programs write them.
const std::initializer_list<int> kEntityOrder = {67, 8, 6, 62, 420, 430, 440, 370, 48, 60};

OdCmEntityColor read_color(const od_dxf_reader& reader) {
  OdCmEntityColor color;
  if (const auto rgb = reader.integer(420); rgb && reader.version() >= kOdDxfSubclassVersion) {
    color = odDxfTrueColor(*rgb);
  } else if (const auto index = reader.integer(62)) {
    odDxfApply([&] { color.setColorIndex(static_cast<int>(std::llabs(*index))); });
  }
  return color;
}

}  // namespace

void odDxfReadEntity(const OdDxfTags& record, const OdDxfContext& context, OdDbEntity& entity) {
  od_dxf_reader reader(record, context.version);
  reader.part("AcDbEntity");
  if (const auto layer = reader.string(8); layer && !layer->isEmpty()) entity.setLayer(*layer);
  entity.setColor(read_color(reader));
  if (const auto linetype = reader.string(6); linetype && !linetype->isEmpty()) entity.setLinetype(*linetype);
  if (const auto scale = reader.real(48)) entity.setLinetypeScale(*scale);
  if (const auto hidden = reader.integer(60)) entity.setVisibility(*hidden ? OdDb::kInvisible : OdDb::kVisible);
}

void odDxfWriteEntity(od_dxf_patcher& patcher, const OdDbEntity& entity) {
  patcher.part("AcDbEntity", kEntityOrder);
  // The space a record names stays as read (layout blocks own paper space
  // entities too); only a record without one learns it from the owner.
  const OdDbDatabase* db = entity.database();
  if (!patcher.find(67)) patcher.integer(67, db && entity.ownerId() == db->getPaperSpaceId() ? 1 : 0, 0);
  patcher.string(8, entity.layer(), u"0", true);
  patcher.string(6, entity.linetype(), u"ByLayer");
  patcher.real(48, entity.linetypeScale(), 1.0);
  patcher.integer(60, entity.visibility() == OdDb::kInvisible ? 1 : 0, 0);
  const OdCmEntityColor& color = entity.color();
  od_dxf_reader reader(patcher.tags(), patcher.version());
  reader.part("AcDbEntity");
  if (read_color(reader) == color) return;
  if (color.isByColor() && patcher.version() >= kOdDxfSubclassVersion) {
    patcher.integer(62, OdCmEntityColor::lookUpACI(color.red(), color.green(), color.blue()), 256, true);
    patcher.integer(420, color.color() & 0xFFFFFF, -1, true);
    return;
  }
  patcher.remove(420);
  if (color.isByLayer()) patcher.remove(62);
  else patcher.integer(62, color.colorIndex(), 256);
}

OdDxfTags odDxfNewRecord(const OdDbObject& object, const std::string& type,
                         std::initializer_list<const char*> subclasses, const OdDxfContext& context) {
  OdDxfTags tags{{0, type, 0}, {5, object.handle().ascii().toUtf8(), 0}};
  if (context.version < kOdDxfSubclassVersion) return tags;
  if (!object.ownerId().isNull()) tags.push_back({330, object.ownerId().getHandle().ascii().toUtf8(), 0});
  for (const char* subclass : subclasses) tags.push_back({100, subclass, 0});
  return tags;
}

OdDbObjectId odDxfTextStyleByName(const OdString& name, const OdDxfContext& context) {
  if (!context.database || name.isEmpty()) return OdDbObjectId::kNull;
  // A damaged file may hold texts before (or without) its style table.
  const OdDbSymbolTablePtr styles = context.database->textStyleTable();
  return styles.isNull() ? OdDbObjectId::kNull : styles->getAt(name);
}

OdString odDxfTextStyleName(const OdDbObjectId& style) {
  const auto* record = dynamic_cast<const OdDbTextStyleTableRecord*>(style.peekObject());
  return record ? record->getName() : OdString();
}

OdDbObjectId odDxfObjectByHandle(std::uint64_t handle, const OdDxfContext& context) {
  if (!context.database || handle == 0) return OdDbObjectId::kNull;
  return context.database->getOdDbObjectId(OdDbHandle(handle));
}

void odDxfWriteStyleName(od_dxf_patcher& patcher, const OdDbObjectId& style) {
  const OdString name = odDxfTextStyleName(style);
  if (name.isEmpty()) return;
  const OdDxfTag* tag = patcher.find(7);
  if (tag && odDxfDecodeString(tag->value, patcher.version(), true).iCompare(name) == 0) return;
  if (!tag && name.iCompare(u"Standard") == 0) return;
  patcher.string(7, name, OdString(), true);
}

OdCmEntityColor odDxfTrueColor(long long rgb) {
  const auto value = static_cast<std::uint32_t>(rgb);
  return OdCmEntityColor(static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
                         static_cast<std::uint8_t>(value));
}
