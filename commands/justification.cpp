#include "commands/justification.h"

#include <array>

namespace justification {

namespace {

bool valid_index(int index) { return index >= 0 && index < index_count; }

// The baseline justifications come in keyword order Left Align Fit Center
// Middle Right, which is not the order of the horizontal modes.
constexpr std::array<OdTextHorzMode, 6> baseline_horizontal{kTextLeft, kTextAlign, kTextFit,
                                                            kTextCenter, kTextMid, kTextRight};
constexpr std::array<int, 6> baseline_index_of_horizontal{0, 3, 5, 1, 4, 2};

}  // namespace

OdTextHorzMode horizontal_of_index(int index) {
  if (!valid_index(index)) return kTextLeft;
  if (index < 6) return baseline_horizontal[static_cast<std::size_t>(index)];
  return static_cast<OdTextHorzMode>(index % 3);
}

OdTextVertMode vertical_of_index(int index) {
  if (!valid_index(index) || index < 6) return kTextBase;
  return static_cast<OdTextVertMode>(5 - index / 3);
}

OdDbMText::AttachmentPoint attachment_of_index(int index) {
  if (!valid_index(index) || index < 3) return OdDbMText::kTopLeft;
  switch (index) {
    case 3: return OdDbMText::kTopCenter;
    case 4: return OdDbMText::kMiddleCenter;
    case 5: return OdDbMText::kTopRight;
    default: return static_cast<OdDbMText::AttachmentPoint>(index - 5);
  }
}

int index_of_modes(int horizontal, int vertical) {
  if (horizontal < kTextLeft || horizontal > kTextFit || vertical < kTextBase || vertical > kTextTop) return 0;
  if (vertical == kTextBase) return baseline_index_of_horizontal[static_cast<std::size_t>(horizontal)];
  // Off the baseline the rows run bottom (12) to top (6); align, middle and
  // fit have no row there and fall on a neighbour by the same arithmetic.
  return horizontal + (5 - horizontal / 3 - vertical) * 3;
}

const char16_t* keyword_of_index(int index) {
  static constexpr std::array<const char16_t*, index_count> names{
      u"Left", u"Align", u"Fit", u"Center", u"Middle", u"Right", u"TL", u"TC",
      u"TR",   u"ML",    u"MC",  u"MR",     u"BL",     u"BC",    u"BR"};
  return valid_index(index) ? names[static_cast<std::size_t>(index)] : u"";
}

tjust_entry tjust_of_position(int position) {
  // "Middle" stays on the baseline for a Text but is middle centre for an MText.
  static constexpr std::array<tjust_entry, tjust_count> table{{
      {kTextLeft, kTextBase, OdDbMText::kTopLeft},
      {kTextCenter, kTextBase, OdDbMText::kTopCenter},
      {kTextCenter, kTextBase, OdDbMText::kMiddleCenter},
      {kTextRight, kTextBase, OdDbMText::kTopRight},
      {kTextLeft, kTextTop, OdDbMText::kTopLeft},
      {kTextCenter, kTextTop, OdDbMText::kTopCenter},
      {kTextRight, kTextTop, OdDbMText::kTopRight},
      {kTextLeft, kTextVertMid, OdDbMText::kMiddleLeft},
      {kTextCenter, kTextVertMid, OdDbMText::kMiddleCenter},
      {kTextRight, kTextVertMid, OdDbMText::kMiddleRight},
      {kTextLeft, kTextBottom, OdDbMText::kBottomLeft},
      {kTextCenter, kTextBottom, OdDbMText::kBottomCenter},
      {kTextRight, kTextBottom, OdDbMText::kBottomRight},
  }};
  if (position < 0 || position >= tjust_count) position = 0;
  return table[static_cast<std::size_t>(position)];
}

}  // namespace justification
