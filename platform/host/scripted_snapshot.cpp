#include "platform/host/scripted_snapshot.h"

#include <algorithm>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbEntity.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace {

std::vector<od_gi_primitive> drawn_space(const OdDbDatabase& database) {
  OdGiRecorder gi;
  const OdDbObjectPtr space = database.activeSpaceId().openObject();
  const OdDbBlockTableRecordPtr block = OdDbBlockTableRecord::cast(space.get());
  if (block.isNull()) return {};
  for (const OdDbObjectId& id : block->entityIds()) {
    const OdDbObject* object = id.peekObject();
    if (object && !object->isErased() && object->isKindOf(OdDbEntity::desc())) gi.draw(static_cast<const OdDbEntity*>(object));
  }
  return gi.takePrimitives();
}

std::vector<od_gi_primitive> drawn_temporaries(const std::vector<OdGiDrawablePtr>& temporaries, const od_gi_view& view) {
  OdGiRecorder gi;
  gi.setView(view);
  for (const OdGiDrawablePtr& drawable : temporaries) gi.draw(drawable.get());
  return gi.takePrimitives();
}

// The editor's controls keep their size in pixels, so they are drawn for
// the scale the picture will have: its width in pixels over the drawing's.
od_gi_view view_of_picture(const std::vector<od_gi_primitive>& primitives, const od_gi_svg_options& options) {
  od_gi_view view;
  const OdGeExtents3d box = od_gi_primitives_extents(primitives);
  if (!box.isValidExtents()) return view;
  const OdGeVector3d size = box.diagonal();
  const double larger = std::max(size.x, size.y);
  if (larger <= 0.0) return view;
  view.target = box.minPoint() + size * 0.5;
  view.pixels_per_unit = options.width_px / (size.x + 2.0 * larger * options.margin);
  return view;
}

}  // namespace

void scriptedWriteSnapshot(std::ostream& out, const OdDbDatabase& database,
                           const std::vector<OdGiDrawablePtr>& temporaries) {
  const od_gi_svg_options options;
  std::vector<od_gi_primitive> primitives = drawn_space(database);
  // A first drawing of the temporaries at one pixel a unit finds the frame
  // when the drawing is empty (a new text in a new drawing).
  std::vector<od_gi_primitive> framed = primitives;
  for (od_gi_primitive& p : drawn_temporaries(temporaries, od_gi_view{})) framed.push_back(std::move(p));
  for (od_gi_primitive& p : drawn_temporaries(temporaries, view_of_picture(framed, options)))
    primitives.push_back(std::move(p));
  od_gi_write_svg(out, primitives, options);
}
