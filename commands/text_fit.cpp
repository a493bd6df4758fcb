#include "commands/text_fit.h"

#include <array>
#include <cmath>

#include "commands/text_justify.h"
#include "platform/sdk/OdGeTol.h"

namespace text_fit {

OdDbTextPtr copy_text(const OdDbText& text) {
  OdDbTextPtr copy = OdDbText::createObject();
  copy->setTextString(text.textString());
  copy->setPosition(text.position());
  copy->setAlignmentPoint(text.alignmentPoint());
  copy->setHeight(text.height());
  copy->setWidthFactor(text.widthFactor());
  copy->setOblique(text.oblique());
  copy->setRotation(text.rotation());
  copy->setNormal(text.normal());
  copy->setThickness(text.thickness());
  copy->setTextStyle(text.textStyle());
  copy->setHorizontalMode(text.horizontalMode());
  copy->setVerticalMode(text.verticalMode());
  copy->mirrorInX(text.isMirroredInX());
  copy->mirrorInY(text.isMirroredInY());
  copy->setLayer(text.layer());
  copy->setColor(text.color());
  return copy;
}

double unit_length(const OdDbText& text) {
  std::array<OdGePoint3d, 4> box;
  text.getBoundingPoints(box);
  return text.position().distanceTo(box[3]) / text.widthFactor();
}

frame frame_of(const OdDbText& text) {
  frame f;
  f.world_to_plane = OdGeMatrix3d::worldToPlane(text.normal());
  const OdGePoint3d start = f.world_to_plane * text.position();
  f.start = OdGePoint2d(start.x, start.y);
  f.unit_length = unit_length(text);
  return f;
}

std::optional<fit> fit_to(const frame& f, const OdGePoint3d& end) {
  const OdGePoint3d in_plane = f.world_to_plane * end;
  const double dx = in_plane.x - f.start.x, dy = in_plane.y - f.start.y;
  const double length = std::hypot(dx, dy);
  if (length <= OdGeContext::gTol.equalPoint || f.unit_length <= 0.0) return std::nullopt;
  return fit{std::atan2(dy, dx), length / f.unit_length};
}

void apply(OdDbText& text, const OdDbText& preview) {
  const OdTextHorzMode horizontal = text.horizontalMode();
  const OdTextVertMode vertical = text.verticalMode();
  OdDbTextPtr held(&text);
  ApplyTextJustify(held, kTextLeft, kTextBase);
  text.setPosition(preview.position());
  text.setRotation(preview.rotation());
  text.setWidthFactor(preview.widthFactor());
  ApplyTextJustify(held, horizontal, vertical);
}

}  // namespace text_fit
