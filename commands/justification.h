// The justification rules shared by the text commands: the justification
// index (a keyword's position in the justification keyword list), a Text's
// horizontal and vertical modes and an MText's attachment point, as formulas.
#pragma once

#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

namespace justification {

// The keyword lists as prompts take them (local names, "_", global names).
inline constexpr const char16_t* keywords =
    u"Left Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR";
inline constexpr const char16_t* keywords_local_global =
    u"Left Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR _ "
    u"Left Align Fit Center Middle Right TL TC TR ML MC MR BL BC BR";
inline constexpr int index_count = 15;

// "TJust" has a list of its own, position 0 to 12.
inline constexpr const char16_t* tjust_keywords = u"Start Center Middle Right TL TC TR ML MC MR BL BC BR";
inline constexpr int tjust_count = 13;

// Index (0..14) to modes and attachment; an index outside gives the values of 0.
OdTextHorzMode horizontal_of_index(int index);
OdTextVertMode vertical_of_index(int index);
OdDbMText::AttachmentPoint attachment_of_index(int index);
// Modes to index; modes outside their enumerations give 0.
int index_of_modes(int horizontal, int vertical);
// The keyword of an index ("Left" ... "BR"); empty outside 0..14.
const char16_t* keyword_of_index(int index);

// What one "TJust" keyword asks of a Text and of an MText.
struct tjust_entry {
  OdTextHorzMode horizontal;
  OdTextVertMode vertical;
  OdDbMText::AttachmentPoint attachment;
};
// Position 0..12 in the "TJust" list; outside gives "Start".
tjust_entry tjust_of_position(int position);

}  // namespace justification
