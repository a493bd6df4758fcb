// The toolbar's colour combo: the 32-bit value each entry carries, the
// entries it starts with and their names.
//
// A value is an index colour (high byte 1, the index in the low 24 bits;
// ByLayer is index 256, ByBlock index 0) or a true colour (high byte 2, red
// in bits 16 to 23, green, then blue lowest). The value 0 is the "Custom..."
// entry that opens the host's colour dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "mtext/format.h"
#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdString.h"

namespace ui {

using toolbar_color = std::uint32_t;

inline constexpr toolbar_color custom_color_entry = 0;
inline constexpr std::uint16_t by_layer_index = 256;
inline constexpr std::uint16_t by_block_index = 0;

constexpr toolbar_color index_color(std::uint16_t index) { return 0x01000000u | index; }
constexpr toolbar_color true_color(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return 0x02000000u | (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
}
constexpr bool is_index_color(toolbar_color c) { return c >> 24 == 1; }
constexpr bool is_true_color(toolbar_color c) { return c >> 24 == 2; }

// A text colour as the combo shows it; an unset true colour shows as ByLayer.
toolbar_color encode(const mtext::color& c);
// The text colour of an entry; none for "Custom..." and unknown high bytes.
std::optional<mtext::color> decode(toolbar_color c);

// A colour dialog's choice and back.
toolbar_color encode(const OdCmEntityColor& c);
OdCmEntityColor entity_color_of(toolbar_color c);

struct color_entry {
  toolbar_color value;
  OdString name;
};

// The entry's name: "Custom..." for 0; ByLayer, ByBlock and 1 to 7 by the
// host's localized names (`standard` holds 1 to 7), other indexes "Color n";
// a true colour "r,g,b".
OdString color_name(toolbar_color c, const std::vector<OdString>& standard);

// ByLayer, ByBlock, 1 to 7, then "Custom...".
std::vector<color_entry> initial_color_entries(const std::vector<OdString>& standard);

// The entry showing `c`, or none.
std::optional<std::size_t> entry_of(const std::vector<color_entry>& entries, toolbar_color c);
// Adds `c` before "Custom..." when it is new; answers its entry.
std::size_t add_color(std::vector<color_entry>& entries, toolbar_color c, const std::vector<OdString>& standard);

}  // namespace ui
