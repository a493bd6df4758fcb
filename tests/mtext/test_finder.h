// A measuring font of fixed advances for layout tests, so that expected
// breaks and positions can be worked out by hand. At text size s: every
// character advances s (x-scaled by the width factor), a space 0.5 s; ink
// boxes keep 0.1 s from the pen on either side; above the baseline s,
// internal leading 0.1 s, descent -0.3 s, gap 0.2 s; g, p and y reach 0.2 s
// below the baseline.
#pragma once

#include <algorithm>

#include "mtext/measure.h"

namespace mtext_test {

class fixed_finder : public mtext::string_size_finder {
public:
  mtext::font_metrics measure_font(const OdGiTextStyle& style) const override {
    const double s = style.textSize();
    return {0.1 * s, s, -0.3 * s, 0.2 * s};
  }

  mtext::string_metrics measure(const OdGiTextStyle& style, const std::u16string& text) const override {
    const mtext::font_metrics font = measure_font(style);
    const double s = style.textSize(), w = style.xScale();
    mtext::string_metrics m{font.leading, font.height, font.descent, font.gap};
    double pen = 0.0, ink_begin = -1.0, ink_end = 0.0;
    bool descender = false;
    for (const char16_t c : text) {
      const double advance = (c == u' ' ? 0.5 : 1.0) * s * w;
      if (c != u' ') {
        if (ink_begin < 0.0) ink_begin = pen + 0.1 * s;
        ink_end = pen + advance - 0.1 * s;
        descender = descender || c == u'g' || c == u'p' || c == u'y';
      }
      pen += advance;
    }
    m.advance = pen;
    if (ink_begin >= 0.0) {
      m.left = ink_begin;
      m.right = pen - ink_end;
      m.ascent = s;
      m.depth = descender ? 0.2 * s : 0.0;
    }
    return m;
  }
};

}  // namespace mtext_test
