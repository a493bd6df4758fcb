#include <gtest/gtest.h>

#include "platform/sdk/OdCmColor.h"
#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdCmTransparency.h"
#include "platform/sdk/OdError.h"

namespace {

using C = OdCmEntityColor;

TEST(CmEntityColor, IndexSemanticsOfTheLogicalColours) {
  struct row {
    int index;
    C::ColorMethod method;
    std::uint32_t packed;
  };
  const row rows[] = {
      {0, C::kByBlock, 0xC1000000u},
      {256, C::kByLayer, 0xC0000000u},
      {257, C::kNone, 0xC8000000u},
      {1, C::kByACI, 0xC3000001u},
      {255, C::kByACI, 0xC30000FFu},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.index);
    const C color = C::fromIndex(r.index);
    EXPECT_EQ(color.colorMethod(), r.method);
    EXPECT_EQ(color.color(), r.packed);
    EXPECT_EQ(color.colorIndex(), r.index);
  }
  EXPECT_TRUE(C().isByLayer());
  EXPECT_EQ(C(C::kForeground).colorIndex(), 7);
}

TEST(CmEntityColor, OutOfRangeIndexIsRefusedAndChangesNothing) {
  C color = C::fromIndex(5);
  EXPECT_THROW(color.setColorIndex(258), OdError);
  EXPECT_THROW(color.setColorIndex(-1), OdError);
  EXPECT_EQ(color.colorIndex(), 5);
  EXPECT_THROW(color.setColor(0x12000001u), OdError);  // unknown method byte
  EXPECT_THROW(color.setColor(0xC3000000u), OdError);  // ACI 0 is not a colour
  EXPECT_EQ(color.color(), 0xC3000005u);
  EXPECT_THROW(C::lookUpRGB(256), OdError);
}

TEST(CmEntityColor, TrueColourPacksRgbInTheLowBitsAndOtherMethodsDropIt) {
  C back;
  back.setColor(0xC2123456u);
  EXPECT_EQ(back, C(0x12, 0x34, 0x56));
  EXPECT_EQ(back.blue(), 0x56);
  back.setGreen(0xFF);
  EXPECT_EQ(back.color(), 0xC212FF56u);
  C color(10, 20, 30);
  color.setColorMethod(C::kByLayer);
  EXPECT_EQ(color, C());
  color.setColorMethod(C::kByACI);
  EXPECT_EQ(color.colorIndex(), 7);
  EXPECT_THROW(color.setColorMethod(static_cast<C::ColorMethod>(0x11)), OdError);
}

// Entries of the standard ACI palette: the named colours, the full-brightness
// hue ring every published table agrees on (ezdxf's colors.py), the darker
// levels of the classic table and its gray shades.
TEST(CmEntityColor, PaletteMatchesTheStandardTable) {
  const std::pair<int, std::uint32_t> known[] = {
      {1, 0xFF0000}, {2, 0xFFFF00}, {3, 0x00FF00}, {4, 0x00FFFF}, {5, 0x0000FF}, {6, 0xFF00FF},
      {7, 0xFFFFFF}, {8, 0x808080}, {9, 0xC0C0C0},
      {11, 0xFF7F7F}, {21, 0xFF9F7F}, {31, 0xFFBF7F}, {41, 0xFFDF7F},
      {12, 0xCC0000}, {13, 0xCC6666}, {15, 0x994C4C}, {43, 0xCCB266}, {45, 0x99854C}, {49, 0x4C4226},
      {250, 0x333333}, {251, 0x5B5B5B}, {252, 0x848484}, {254, 0xD6D6D6}, {255, 0xFFFFFF},
  };
  for (const auto& [index, rgb] : known) EXPECT_EQ(C::lookUpRGB(index), rgb) << index;
  const std::uint32_t ring[24] = {0xFF0000, 0xFF3F00, 0xFF7F00, 0xFFBF00, 0xFFFF00, 0xBFFF00, 0x7FFF00, 0x3FFF00,
                                  0x00FF00, 0x00FF3F, 0x00FF7F, 0x00FFBF, 0x00FFFF, 0x00BFFF, 0x007FFF, 0x003FFF,
                                  0x0000FF, 0x3F00FF, 0x7F00FF, 0xBF00FF, 0xFF00FF, 0xFF00BF, 0xFF007F, 0xFF003F};
  for (int hue = 0; hue < 24; ++hue) EXPECT_EQ(C::lookUpRGB(10 + 10 * hue), ring[hue]) << 10 + 10 * hue;
  EXPECT_EQ(C::fromIndex(8).red(), 128);
}

TEST(CmEntityColor, NearestIndexOfATrueColour) {
  EXPECT_EQ(C::lookUpACI(255, 0, 0), 1);  // 10 has the same RGB; the first wins
  EXPECT_EQ(C::lookUpACI(133, 132, 134), 252);
  EXPECT_EQ(C(0, 0, 250).colorIndex(), 5);
}

TEST(CmTransparency, SerializedValuesOfGroup440) {
  struct row {
    OdCmTransparency value;
    std::uint32_t serialized;
  };
  const row rows[] = {
      {OdCmTransparency(), 0x00000000u},
      {OdCmTransparency(OdCmTransparency::kByBlock), 0x01000000u},
      {OdCmTransparency(std::uint8_t{255}), 0x020000FFu},
      {OdCmTransparency(std::uint8_t{0}), 0x02000000u},
      // 10 % and 50 % transparency as drawing programs write them.
      {OdCmTransparency(0.9), 0x020000E5u},
      {OdCmTransparency(0.5), 0x0200007Fu},
      {OdCmTransparency(0.2), 0x02000033u},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(r.value.serializeOut(), r.serialized);
    OdCmTransparency back;
    back.serializeIn(r.serialized);
    EXPECT_EQ(back, r.value);
  }
}

TEST(CmTransparency, MethodsAndAlpha) {
  OdCmTransparency t;
  EXPECT_FALSE(t.isClear());  // by layer is not a clear alpha
  t.setAlpha(0);
  EXPECT_TRUE(t.isClear());
  t.setMethod(OdCmTransparency::kByBlock);
  EXPECT_FALSE(t.isSolid());
  t.setAlphaPercent(7.0);  // clamped
  EXPECT_EQ(t.alpha(), 255);
  EXPECT_DOUBLE_EQ(t.alphaPercent(), 1.0);
  // An unknown method is an error value, kept for writing.
  t.serializeIn(0x05000010u);
  EXPECT_EQ(t.method(), OdCmTransparency::kErrorValue);
  EXPECT_TRUE(t.isInvalid());
  EXPECT_FALSE(t.isByAlpha());
  EXPECT_EQ(t.serializeOut(), 0x05000010u);
}

}  // namespace
