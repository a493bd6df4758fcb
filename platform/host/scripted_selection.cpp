// Selections by handle, window, all and last.
#include "platform/host/scripted_selection.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

namespace {

std::vector<OdDbObjectId> live_model_space(OdDbDatabase* database) {
  std::vector<OdDbObjectId> ids;
  OdDbObjectPtr space = database->getModelSpaceId().openObject();
  if (!space) return ids;
  for (const OdDbObjectId& id : OdDbBlockTableRecord::cast(space.get())->entityIds())
    if (!id.isErased()) ids.push_back(id);
  return ids;
}

// The corners of a Text's or MText's box, or nothing for other kinds.
std::optional<std::array<OdGePoint3d, 4>> text_box(const OdDbObject* object) {
  std::array<OdGePoint3d, 4> corners;
  if (object->isKindOf(OdDbText::desc())) static_cast<const OdDbText*>(object)->getBoundingPoints(corners);
  else if (object->isKindOf(OdDbMText::desc())) static_cast<const OdDbMText*>(object)->getBoundingPoints(corners);
  else return std::nullopt;
  return corners;
}

bool inside_window(const std::array<OdGePoint3d, 4>& corners, const OdGePoint3d& a, const OdGePoint3d& b) {
  const double x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  return std::all_of(corners.begin(), corners.end(), [&](const OdGePoint3d& p) {
    return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1;
  });
}

std::vector<OdDbObjectId> in_window(OdDbDatabase* database, const script_selection& selection) {
  std::vector<OdDbObjectId> ids;
  for (const OdDbObjectId& id : live_model_space(database)) {
    OdDbObjectPtr object = id.openObject();
    if (!object) continue;
    const auto corners = text_box(object.get());
    if (corners && inside_window(*corners, selection.corner1, selection.corner2)) ids.push_back(id);
  }
  return ids;
}

bool on_locked_layer(const OdDbObjectId& id) {
  OdDbObjectPtr object = id.openObject();
  if (!object || !object->isKindOf(OdDbEntity::desc())) return false;
  OdDbObjectPtr layer = static_cast<OdDbEntity*>(object.get())->layerId().openObject();
  return layer && layer->isKindOf(OdDbLayerTableRecord::desc()) &&
         static_cast<OdDbLayerTableRecord*>(layer.get())->isLocked();
}

std::string by_handles(OdDbDatabase* database, const script_selection& selection, std::vector<OdDbObjectId>& ids) {
  for (const OdDbHandle& handle : selection.handles) {
    const OdDbObjectId id = database->getOdDbObjectId(handle);
    OdDbObjectPtr object = id.openObject();
    if (!object) return "no object with handle " + handle.ascii().toUtf8();
    if (!object->isKindOf(OdDbEntity::desc())) return "handle " + handle.ascii().toUtf8() + " is not an entity";
    if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
  }
  return {};
}

}  // namespace

scripted_selection_result scriptedSelect(OdDbDatabase* database, const script_selection& selection) {
  scripted_selection_result result;
  std::vector<OdDbObjectId> found;
  switch (selection.mode) {
    case script_selection::mode_t::all: found = live_model_space(database); break;
    case script_selection::mode_t::last: {
      const std::vector<OdDbObjectId> all = live_model_space(database);
      if (!all.empty()) found.push_back(all.back());
      break;
    }
    case script_selection::mode_t::handles: result.error = by_handles(database, selection, found); break;
    case script_selection::mode_t::window: found = in_window(database, selection); break;
  }
  if (!result.error.empty()) return result;
  for (const OdDbObjectId& id : found) {
    if (on_locked_layer(id)) ++result.onLockedLayer;
    else result.ids.push_back(id);
  }
  return result;
}
