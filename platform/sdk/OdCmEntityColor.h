// OdCmEntityColor: an object's colour as one packed 32-bit value.
//
// The high byte is the colour method and the low 24 bits its data, as drawing
// files store raw colours: by layer 0xC0000000, by block 0xC1000000, true
// colour 0xC2RRGGBB, colour index 0xC30000ii, foreground 0xC5000000, none
// 0xC8000000. Index 0 means by block and 256 by layer, as in ACI numbering.
#pragma once

#include <cstdint>

class OdCmEntityColor {
public:
  enum ColorMethod : std::uint8_t {
    kByLayer = 0xC0,
    kByBlock = 0xC1,
    kByColor = 0xC2,  // true colour, 24-bit RGB
    kByACI = 0xC3,    // AutoCAD Color Index 1..255
    kByPen = 0xC4,
    kForeground = 0xC5,
    kNone = 0xC8,
  };
  enum ACIcolorMethod : int {
    kACIbyBlock = 0,
    kACIRed = 1,
    kACIYellow = 2,
    kACIGreen = 3,
    kACICyan = 4,
    kACIBlue = 5,
    kACIMagenta = 6,
    kACIforeground = 7,  // white on dark backgrounds, black on light ones
    kACIbyLayer = 256,
    kACInone = 257,
  };

  // By layer.
  OdCmEntityColor() = default;
  explicit OdCmEntityColor(ColorMethod method) { setColorMethod(method); }
  OdCmEntityColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue) { setRGB(red, green, blue); }
  static OdCmEntityColor fromIndex(int index) {
    OdCmEntityColor color;
    color.setColorIndex(index);
    return color;
  }

  ColorMethod colorMethod() const { return static_cast<ColorMethod>(m_value >> 24); }
  // Switches method; methods that carry no data clear the low bits, and a
  // switch to kByACI without an index picks the foreground index.
  void setColorMethod(ColorMethod method);

  // 0 by block, 256 by layer, 257 none, 1..255 an ACI colour; anything else
  // throws OdError(eInvalidInput) and leaves the colour as it was.
  void setColorIndex(int index);
  // The ACI number in force: 0/256/257/7 for the logical methods, the nearest
  // palette entry for a true colour.
  int colorIndex() const;

  void setRGB(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  void setRed(std::uint8_t red) { setRGB(red, green(), blue()); }
  void setGreen(std::uint8_t green) { setRGB(red(), green, blue()); }
  void setBlue(std::uint8_t blue) { setRGB(red(), green(), blue); }
  // The displayed RGB of a true colour or an ACI colour (from the palette);
  // zero for the logical methods.
  std::uint8_t red() const { return static_cast<std::uint8_t>(rgb() >> 16); }
  std::uint8_t green() const { return static_cast<std::uint8_t>(rgb() >> 8); }
  std::uint8_t blue() const { return static_cast<std::uint8_t>(rgb()); }
  std::uint32_t rgb() const;

  std::uint32_t color() const { return m_value; }
  // Accepts a packed value; an unknown method byte or ACI index throws
  // OdError(eInvalidInput) and leaves the colour as it was.
  void setColor(std::uint32_t packed);

  bool isByLayer() const { return colorMethod() == kByLayer; }
  bool isByBlock() const { return colorMethod() == kByBlock; }
  bool isByColor() const { return colorMethod() == kByColor; }
  bool isByACI() const { return colorMethod() == kByACI; }
  bool isByPen() const { return colorMethod() == kByPen; }
  bool isForeground() const { return colorMethod() == kForeground; }
  bool isNone() const { return colorMethod() == kNone; }

  // The standard ACI palette as 0xRRGGBB; index 0 (by block) has no colour of
  // its own and gives black. Indices outside 0..255 throw OdError(eInvalidInput).
  static std::uint32_t lookUpRGB(int index);
  // The palette index 1..255 nearest to an RGB colour (exact entries first).
  static int lookUpACI(std::uint8_t red, std::uint8_t green, std::uint8_t blue);

  friend bool operator==(const OdCmEntityColor&, const OdCmEntityColor&) = default;

private:
  std::uint32_t m_value = std::uint32_t{kByLayer} << 24;
};
