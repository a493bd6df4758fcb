// OdCmTransparency: how see-through an object is, stored as DXF group 440 stores it.
//
// The serialized value is method << 24 | alpha: by layer 0x00000000, by block
// 0x01000000, by alpha 0x020000AA with alpha 0 (clear) to 255 (solid). A value
// with any other method byte reads as kErrorValue but is kept as it was read,
// so it is written back unchanged.
#pragma once

#include <cstdint>

class OdCmTransparency {
public:
  enum transparencyMethod : std::uint8_t { kByLayer = 0, kByBlock = 1, kByAlpha = 2, kErrorValue = 3 };

  // By layer.
  OdCmTransparency() = default;
  explicit OdCmTransparency(transparencyMethod method) { setMethod(method); }
  explicit OdCmTransparency(std::uint8_t alpha) { setAlpha(alpha); }
  // An alpha fraction, 0.0 clear .. 1.0 solid.
  explicit OdCmTransparency(double alphaPercent) { setAlphaPercent(alphaPercent); }

  transparencyMethod method() const;
  // Switching to kByAlpha keeps the alpha byte; the other methods clear it.
  void setMethod(transparencyMethod method);

  void setAlpha(std::uint8_t alpha) { m_value = (std::uint32_t{kByAlpha} << 24) | alpha; }
  // The alpha byte; meaningful only when isByAlpha().
  std::uint8_t alpha() const { return static_cast<std::uint8_t>(m_value & 0xFFu); }
  // Opacity as a fraction, 0.0 clear .. 1.0 solid; values outside are clamped.
  // Truncates to the alpha byte as drawing programs do (0.9 -> 229 = 0xE5).
  void setAlphaPercent(double fraction);
  double alphaPercent() const { return alpha() / 255.0; }

  bool isByAlpha() const { return method() == kByAlpha; }
  bool isByLayer() const { return method() == kByLayer; }
  bool isByBlock() const { return method() == kByBlock; }
  bool isInvalid() const { return method() == kErrorValue; }
  bool isClear() const { return isByAlpha() && alpha() == 0; }
  bool isSolid() const { return isByAlpha() && alpha() == 255; }

  std::uint32_t serializeOut() const { return m_value; }
  void serializeIn(std::uint32_t value) { m_value = value; }

  friend bool operator==(const OdCmTransparency&, const OdCmTransparency&) = default;

private:
  std::uint32_t m_value = 0;
};
