#include "platform/sdk/OdCmEntityColor.h"

#include <array>
#include <string>

#include "platform/sdk/OdError.h"

namespace {

// The standard ACI palette. 1-9 are the named and standard colours, 250-255
// the gray shades. 10-249 are 24 hues 15 degrees apart, ten entries each:
// five brightness levels, each as the full colour (even index) and the same
// colour half-way to white at that brightness (odd index).
using aci_palette = std::array<std::uint32_t, 256>;

constexpr std::uint32_t pack_rgb(unsigned r, unsigned g, unsigned b) { return (r << 16) | (g << 8) | b; }

constexpr double clamp01(double v) { return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v); }
constexpr double abs_of(double v) { return v < 0.0 ? -v : v; }

// Fraction of one channel at a hue given in sixths of the circle (0..6).
constexpr double red_share(double sixths) { return clamp01(abs_of(sixths - 3.0) - 1.0); }
constexpr double green_share(double sixths) { return clamp01(2.0 - abs_of(sixths - 2.0)); }
constexpr double blue_share(double sixths) { return clamp01(2.0 - abs_of(sixths - 4.0)); }

constexpr unsigned level_channel(double brightness, double share, bool pale) {
  return static_cast<unsigned>(pale ? brightness * (1.0 + share) / 2.0 : brightness * share);
}

constexpr std::uint32_t hue_entry(int index) {
  constexpr double brightness[5] = {255.0, 204.0, 153.0, 127.0, 76.0};
  const int hue = (index - 10) / 10;
  const int step = (index - 10) % 10;
  const double v = brightness[step / 2];
  const bool pale = step % 2 == 1;
  const double sixths = hue / 4.0;
  return pack_rgb(level_channel(v, red_share(sixths), pale), level_channel(v, green_share(sixths), pale),
                  level_channel(v, blue_share(sixths), pale));
}

constexpr aci_palette make_palette() {
  aci_palette palette{};
  constexpr std::uint32_t standard[10] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                          0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
  constexpr unsigned grays[6] = {51, 91, 132, 173, 214, 255};
  for (int i = 0; i < 10; ++i) palette[i] = standard[i];
  for (int i = 10; i < 250; ++i) palette[i] = hue_entry(i);
  for (int i = 0; i < 6; ++i) palette[250 + i] = pack_rgb(grays[i], grays[i], grays[i]);
  return palette;
}

constexpr aci_palette kPalette = make_palette();

bool is_known_method(unsigned method) {
  switch (method) {
    case OdCmEntityColor::kByLayer:
    case OdCmEntityColor::kByBlock:
    case OdCmEntityColor::kByColor:
    case OdCmEntityColor::kByACI:
    case OdCmEntityColor::kByPen:
    case OdCmEntityColor::kForeground:
    case OdCmEntityColor::kNone:
      return true;
  }
  return false;
}

std::uint32_t packed(OdCmEntityColor::ColorMethod method, std::uint32_t data = 0) {
  return (std::uint32_t{method} << 24) | (data & 0xFFFFFFu);
}

}  // namespace

void OdCmEntityColor::setColorMethod(ColorMethod method) {
  if (!is_known_method(method)) throw OdError(eInvalidInput, "OdCmEntityColor::setColorMethod: unknown method");
  const std::uint32_t data = m_value & 0xFFFFFFu;
  switch (method) {
    case kByColor: m_value = packed(method, data); break;
    case kByACI:
    case kByPen: m_value = packed(method, (data & 0xFFu) ? data & 0xFFu : std::uint32_t{kACIforeground}); break;
    default: m_value = packed(method);
  }
}

void OdCmEntityColor::setColorIndex(int index) {
  if (index < kACIbyBlock || index > kACInone)
    throw OdError(eInvalidInput, "OdCmEntityColor::setColorIndex: index " + std::to_string(index) +
                                     " is outside 0..257");
  if (index == kACIbyBlock) m_value = packed(kByBlock);
  else if (index == kACIbyLayer) m_value = packed(kByLayer);
  else if (index == kACInone) m_value = packed(kNone);
  else m_value = packed(kByACI, static_cast<std::uint32_t>(index));
}

int OdCmEntityColor::colorIndex() const {
  switch (colorMethod()) {
    case kByLayer: return kACIbyLayer;
    case kByBlock: return kACIbyBlock;
    case kByACI:
    case kByPen: return static_cast<int>(m_value & 0xFFu);
    case kByColor: return lookUpACI(red(), green(), blue());
    case kForeground: return kACIforeground;
    case kNone: return kACInone;
  }
  return kACInone;
}

void OdCmEntityColor::setRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  m_value = packed(kByColor, pack_rgb(r, g, b));
}

std::uint32_t OdCmEntityColor::rgb() const {
  if (isByColor()) return m_value & 0xFFFFFFu;
  if (isByACI()) return kPalette[m_value & 0xFFu];
  return 0;
}

void OdCmEntityColor::setColor(std::uint32_t value) {
  const unsigned method = value >> 24;
  if (!is_known_method(method))
    throw OdError(eInvalidInput, "OdCmEntityColor::setColor: unknown colour method " + std::to_string(method));
  if (method == kByACI && (value & 0xFFu) == 0)
    throw OdError(eInvalidInput, "OdCmEntityColor::setColor: colour index 0 is not an ACI colour");
  m_value = value;
}

std::uint32_t OdCmEntityColor::lookUpRGB(int index) {
  if (index < 0 || index > 255)
    throw OdError(eInvalidInput, "OdCmEntityColor::lookUpRGB: index " + std::to_string(index) +
                                     " is outside 0..255");
  return kPalette[static_cast<std::size_t>(index)];
}

int OdCmEntityColor::lookUpACI(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  int best = kACIforeground;
  long bestDistance = -1;
  for (int i = 1; i < 256; ++i) {
    const std::uint32_t c = kPalette[static_cast<std::size_t>(i)];
    const long dr = long{r} - long(c >> 16), dg = long{g} - long((c >> 8) & 0xFF), db = long{b} - long(c & 0xFF);
    const long distance = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}
