#include "commands/text_justify.h"

namespace {

// The right end of the baseline: the bottom-right bounding point moved along
// the text's up direction by the bottom-left point's offset from the start.
OdGePoint3d baseline_right_end(const OdDbText& text, const OdGePoint3d& start) {
  std::array<OdGePoint3d, 4> box;
  text.getBoundingPoints(box);
  const OdGePoint3d& top_left = box[0];
  const OdGePoint3d& bottom_left = box[2];
  const OdGePoint3d& bottom_right = box[3];
  OdGeVector3d up = top_left - bottom_left;
  if (up.isZeroLength()) return bottom_right;
  up.normalize();
  return bottom_right - up * up.dotProduct(bottom_left - start);
}

}  // namespace

OdGePoint3d TextPositionOrAlignmentPoint(OdDbTextPtr text) {
  if (text.isNull()) return OdGePoint3d::kOrigin;
  return isDefaultTextAlignment(text) ? text->position() : text->alignmentPoint();
}

bool alignOrFit(OdTextHorzMode horizontal) { return horizontal == kTextAlign || horizontal == kTextFit; }

bool isDefaultTextAlignment(OdDbTextPtr text) {
  return !text.isNull() && text->horizontalMode() == kTextLeft && text->verticalMode() == kTextBase;
}

void ApplyTextJustify(OdDbTextPtr text, OdTextHorzMode horizontal, OdTextVertMode vertical) {
  if (text.isNull()) return;
  justification::settle_align_or_fit(*text);
  const OdGePoint3d start = text->position();
  OdGePoint3d reference = TextPositionOrAlignmentPoint(text);
  const bool was_align_or_fit = alignOrFit(text->horizontalMode());

  text->setHorizontalMode(horizontal);
  text->setVerticalMode(vertical);
  if (!was_align_or_fit && alignOrFit(horizontal)) reference = baseline_right_end(*text, start);

  text->setAlignmentPoint(reference);
  text->adjustAlignment();
  if (isDefaultTextAlignment(text)) {
    text->setPosition(start);
  } else {
    const OdGePoint3d moved = text->position();
    text->setAlignmentPoint(reference + (start - moved));
    text->adjustAlignment();
  }
}

void ApplyMTextJustify(OdDbMTextPtr mtext, OdTextHorzMode horizontal, OdTextVertMode vertical) {
  if (mtext.isNull()) return;
  const int index = justification::index_of_modes(horizontal, vertical);
  mtext->setAttachmentMovingLocation(justification::attachment_of_index(index));
}

namespace justification {

void settle_align_or_fit(OdDbText& text) {
  if (alignOrFit(text.horizontalMode())) text.adjustAlignment();
}

bool apply_index(OdDbEntity* entity, int index) {
  if (!entity) return false;
  if (entity->isKindOf(OdDbText::desc())) {
    ApplyTextJustify(OdDbText::cast(entity), horizontal_of_index(index), vertical_of_index(index));
    return true;
  }
  if (entity->isKindOf(OdDbMText::desc())) {
    OdDbMText::cast(entity)->setAttachmentMovingLocation(attachment_of_index(index));
    return true;
  }
  return false;
}

void tjust_text(OdDbText& text, const tjust_entry& entry) {
  settle_align_or_fit(text);
  const OdGePoint3d start = text.position();
  text.setVerticalMode(entry.vertical);
  text.setHorizontalMode(entry.horizontal);
  text.adjustAlignment();
  const OdGePoint3d moved = text.position();
  text.setAlignmentPoint(text.alignmentPoint() + (start - moved));
  text.adjustAlignment();
}

OdGePoint3d tjust_top_left(const OdDbMText& mtext) {
  const od_attachment_cell cell = odAttachmentCell(mtext.attachment());
  const OdGePoint3d& location = mtext.location();
  return OdGePoint3d(location.x - mtext.actualWidth() * cell.column * 0.5,
                     location.y + mtext.actualHeight() * cell.row * 0.5, location.z);
}

void tjust_mtext(OdDbMText& mtext, const tjust_entry& entry) {
  const OdGePoint3d before = tjust_top_left(mtext);
  mtext.setAttachment(entry.attachment);
  const OdGePoint3d after = tjust_top_left(mtext);
  mtext.setLocation(mtext.location() + (before - after));
}

}  // namespace justification
