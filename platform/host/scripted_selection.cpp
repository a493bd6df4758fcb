// Selections by handle, window, all and last.
#include "platform/host/scripted_selection.h"

#include <algorithm>
#include <array>
#include <optional>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

namespace {

// The entities of the space the user works in; a block reference stands
// for its attributes.
std::vector<OdDbObjectId> live_active_space(OdDbDatabase* database) {
  std::vector<OdDbObjectId> ids;
  OdDbObjectPtr space = database->activeSpaceId().openObject();
  if (!space) return ids;
  for (const OdDbObjectId& id : OdDbBlockTableRecord::cast(space.get())->entityIds())
    if (!id.isErased()) ids.push_back(id);
  return ids;
}

using corners = std::vector<OdGePoint3d>;

// A block reference by its insertion point and its attributes' boxes (the
// block's own geometry is not modelled).
corners reference_box(const OdDbBlockReference& reference) {
  corners points{reference.position()};
  for (const OdDbAttributePtr& attribute : reference.attributes()) {
    if (attribute->isErased()) continue;
    std::array<OdGePoint3d, 4> box;
    attribute->getBoundingPoints(box);
    points.insert(points.end(), box.begin(), box.end());
  }
  return points;
}

// The points that must lie in a window for the object to be selected:
// the corners of a Text's or MText's box, a block reference's points;
// nothing for other kinds.
std::optional<corners> selection_box(const OdDbObject* object) {
  std::array<OdGePoint3d, 4> box;
  if (object->isKindOf(OdDbText::desc())) static_cast<const OdDbText*>(object)->getBoundingPoints(box);
  else if (object->isKindOf(OdDbMText::desc())) static_cast<const OdDbMText*>(object)->getBoundingPoints(box);
  else if (object->isKindOf(OdDbBlockReference::desc()))
    return reference_box(*static_cast<const OdDbBlockReference*>(object));
  else return std::nullopt;
  return corners(box.begin(), box.end());
}

bool inside_window(const corners& points, const OdGePoint3d& a, const OdGePoint3d& b) {
  const double x0 = std::min(a.x, b.x), x1 = std::max(a.x, b.x);
  const double y0 = std::min(a.y, b.y), y1 = std::max(a.y, b.y);
  return std::all_of(points.begin(), points.end(), [&](const OdGePoint3d& p) {
    return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1;
  });
}

std::vector<OdDbObjectId> in_window(OdDbDatabase* database, const script_selection& selection) {
  std::vector<OdDbObjectId> ids;
  for (const OdDbObjectId& id : live_active_space(database)) {
    OdDbObjectPtr object = id.openObject();
    if (!object) continue;
    const auto points = selection_box(object.get());
    if (points && inside_window(*points, selection.corner1, selection.corner2)) ids.push_back(id);
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
    case script_selection::mode_t::all: found = live_active_space(database); break;
    case script_selection::mode_t::last: {
      const std::vector<OdDbObjectId> all = live_active_space(database);
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
