#include "editor/caret_layer.h"

#include "editor/selection_geometry.h"
#include "platform/sdk/OdGiWorldDraw.h"

namespace editor {

namespace {

void polyline(OdGiWorldDraw& wd, std::initializer_list<OdGePoint3d> points) {
  wd.geometry().polyline(static_cast<std::int32_t>(points.size()), points.begin());
}

}  // namespace

OdSmartPtr<caret_layer> caret_layer::create(ExMTextEditablePtr entity) {
  return OdSmartPtr<caret_layer>(new OdRxObjectImpl<caret_layer>(std::move(entity)), kOdRxObjAttach);
}

bool caret_layer::subWorldDraw(OdGiWorldDraw* worldDraw) const {
  switched = false;
  if (!visible) return true;
  worldDraw->subEntityTraits().setFillType(kOdGiFillNever);
  worldDraw->subEntityTraits().setTrueColor(colour);
  for (const mtext::marks::selection* s : mtext::marks::selections_of(m_entity->text().marks))
    if (s->empty()) draw_caret(*worldDraw, s->head());
  return true;
}

// Serifs are worked out in the entity's plane, where the stem is upright,
// then the whole caret goes through the transform. The right-to-left flag
// hangs from the top serif on the stem's left.
void caret_layer::draw_caret(OdGiWorldDraw& wd, mtext::position at) const {
  const std::optional<caret_stem> stem = caret_at(m_entity->text(), at);
  if (!stem) return;
  const double reach = caret_serif_share * (stem->top.y - stem->bottom.y);
  const OdGeVector3d side(reach, 0.0, 0.0), down(0.0, -reach, 0.0);
  const auto t = [&](const OdGePoint3d& p) { return transform * p; };
  polyline(wd, {t(stem->top), t(stem->bottom)});
  if (right_to_left_before(m_entity->text(), at))
    polyline(wd, {t(stem->top + side), t(stem->top - side), t(stem->top - side + down), t(stem->top)});
  else
    polyline(wd, {t(stem->top - side), t(stem->top + side)});
  polyline(wd, {t(stem->bottom - side), t(stem->bottom + side)});
}

}  // namespace editor
