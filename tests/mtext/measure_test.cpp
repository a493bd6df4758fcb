#include <gtest/gtest.h>

#include <cmath>

#include "mtext/measure.h"
#include "platform/sdk/OdFont.h"

namespace {

using namespace mtext;

constexpr double pi = 3.14159265358979323846;

OdGiTextStyle arial(double size) {
  OdGiTextStyle style;
  style.setFont(u"Arial", false, false, 0, 34);
  style.setTextSize(size);
  return style;
}

OdGiTextStyle romans(double size) {
  OdGiTextStyle style;
  style.setFileName(u"romans.shx");
  style.setShxFont(true);
  style.setTextSize(size);
  return style;
}

const mtext_size_finder& finder() {
  static const mtext_size_finder f{OdDbDatabasePtr()};
  return f;
}

TEST(Measure, FontFieldsAddUpToTheFullLineHeight) {
  for (const OdGiTextStyle& style : {arial(2.5), romans(2.5)}) {
    const font_metrics m = finder().measure_font(style);
    const OdFont* font = style.getFont();
    const double scale = 2.5 / font->getAbove();
    EXPECT_DOUBLE_EQ(m.height, 2.5);
    EXPECT_NEAR(m.leading + m.height + m.descent + m.gap,
                (font->isShxFont() ? font->getAbove() * 5.0 / 3.0 : font->getHeight()) * scale, 1e-12);
  }
}

TEST(Measure, StringMetricsComeFromTheExtents) {
  const string_metrics word = finder().measure(arial(2.5), u"Hg");
  const string_metrics padded = finder().measure(arial(2.5), u" Hg ");
  const string_metrics space = finder().measure(arial(2.5), u" ");
  EXPECT_NEAR(padded.advance, word.advance + 2 * space.advance, 1e-12);
  EXPECT_NEAR(padded.left, word.left + space.advance, 1e-12);
  EXPECT_NEAR(padded.right, word.right + space.advance, 1e-12);
  EXPECT_NEAR(word.ascent, 2.5, 1e-9);
  EXPECT_GT(word.depth, 0.0) << "g reaches below the baseline";
}

TEST(TextFinder, MiddleAnchorHasNoDepth) {
  const dtext_size_finder middle{OdDbDatabasePtr(), 2, 1};
  EXPECT_EQ(middle.measure(arial(2.5), u"gyp").depth, 0.0);
  const dtext_size_finder baseline{OdDbDatabasePtr(), 0, 0};
  const string_metrics m = baseline.measure(arial(2.5), u"a");
  EXPECT_DOUBLE_EQ(m.depth, m.descent) << "the font's descent, not the ink";
}

struct oblique_case {
  int vertical_mode;
  double shift_in_sizes;  // of tan(angle) x text size
};

class TextFinderOblique : public ::testing::TestWithParam<oblique_case> {};

TEST_P(TextFinderOblique, ShiftsTheInkBox) {
  OdGiTextStyle style = arial(2.5);
  style.setObliquingAngle(15.0 * pi / 180.0);
  const string_metrics plain = finder().measure(style, u"Text");
  const dtext_size_finder text_finder{OdDbDatabasePtr(), GetParam().vertical_mode, 0};
  const string_metrics shifted = text_finder.measure(style, u"Text");
  const double shift = std::tan(15.0 * pi / 180.0) * 2.5 * GetParam().shift_in_sizes;
  EXPECT_NEAR(shifted.left - plain.left, shift, 1e-12);
  EXPECT_NEAR(plain.right - shifted.right, shift, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Measure, TextFinderOblique,
                         ::testing::Values(oblique_case{0, 0.0}, oblique_case{1, 0.0},
                                           oblique_case{2, 0.5}, oblique_case{3, 1.0}));

}  // namespace
