// Changing the justification of existing Text and MText objects without
// moving them: the exported entry points and the per-object steps of
// "justifytext" and "TJust".
//
// Points are world points. A Text keeps its visible place: its bounding
// points before and after agree. An MText changed through
// ApplyMTextJustify keeps its laid-out box; one changed by "TJust" keeps its
// top-left corner computed in world x and y.
#pragma once

#include "commands/justification.h"

// Sets the attachment of the modes' justification index, moving the
// location so the text stays where it is.
void ApplyMTextJustify(OdDbMTextPtr mtext, OdTextHorzMode horizontal, OdTextVertMode vertical);
// Sets a Text's modes keeping it in place; a Text turned align or fit takes
// the right end of its baseline as its second point.
void ApplyTextJustify(OdDbTextPtr text, OdTextHorzMode horizontal, OdTextVertMode vertical);
// The position of a left/baseline Text, else its alignment point.
OdGePoint3d TextPositionOrAlignmentPoint(OdDbTextPtr text);
// True for align (3) and fit (5).
bool alignOrFit(OdTextHorzMode horizontal);
// True when both modes are 0 (left, baseline).
bool isDefaultTextAlignment(OdDbTextPtr text);

namespace justification {

// An align or fit Text read from a file may keep a height or width factor
// that does not span its two points; drawing it spans them. Makes the object
// agree with what is drawn, so its bounding points are its visible place.
void settle_align_or_fit(OdDbText& text);

// "justifytext" on one object: a Text by ApplyTextJustify, an MText by the
// index's attachment, moving its location. Other objects are left alone;
// answers whether the object was one of the two.
bool apply_index(OdDbEntity* entity, int index);

// "TJust" on one Text: vertical then horizontal mode, adjusted, and moved
// back so its position stays where it was.
void tjust_text(OdDbText& text, const tjust_entry& entry);
// "TJust" on one MText: the new attachment with the top-left corner kept.
void tjust_mtext(OdDbMText& mtext, const tjust_entry& entry);
// The corner "TJust" keeps: from the location by the actual size and the
// attachment's column and row, in world x and y.
OdGePoint3d tjust_top_left(const OdDbMText& mtext);

}  // namespace justification
