// Text measurement: the metrics of fonts and strings, and the finders that
// measure through the drawing layer's fonts.
//
// All values are drawing units. A string's box is relative to its pen start
// on the baseline: x to the right, y up.
#pragma once

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdGiTextStyle.h"

namespace mtext {

// The vertical metrics of a font at a text size.
struct font_metrics {
  double leading = 0.0;  // internal leading
  double height = 0.0;   // above the baseline; the text size for ordinary fonts
  double descent = 0.0;  // below the baseline, negative for TrueType fonts
  double gap = 0.0;      // the rest of the font's line height
};

// The metrics of one string in one style: the font's four, then its pen
// advance and ink box.
struct string_metrics {
  double leading = 0.0;
  double height = 0.0;
  double descent = 0.0;
  double gap = 0.0;
  double advance = 0.0;  // pen x after the last glyph
  double left = 0.0;     // x of the ink box's left edge
  double right = 0.0;    // advance minus x of the ink box's right edge
  double ascent = 0.0;   // top of the ink box above the baseline
  double depth = 0.0;    // bottom of the ink box below the baseline, positive down
};

// The measuring interface the layout talks to; it never sees fonts.
class string_size_finder {
public:
  virtual ~string_size_finder() = default;
  virtual font_metrics measure_font(const OdGiTextStyle& style) const = 0;
  virtual string_metrics measure(const OdGiTextStyle& style, const std::u16string& text) const = 0;
};

// Measures multiline text against a database's fonts.
class mtext_size_finder : public string_size_finder {
public:
  explicit mtext_size_finder(OdDbDatabasePtr database) : database(std::move(database)) {}
  font_metrics measure_font(const OdGiTextStyle& style) const override;
  string_metrics measure(const OdGiTextStyle& style, const std::u16string& text) const override;

  OdDbDatabasePtr database;

private:
  // The style measured for `given`; the last one is kept, since a text's
  // parts come in runs of one shared style.
  const OdGiTextStyle& measuring_style(const OdGiTextStyle& given) const;
  mutable OdGiTextStyle m_given, m_measuring;
  mutable bool m_have_last = false;
};

// Measures the way a single-line Text places its glyphs: the depth follows
// the anchor and oblique text shifts with its vertical justification.
class dtext_size_finder : public mtext_size_finder {
public:
  dtext_size_finder(OdDbDatabasePtr database, int vertical_mode, int anchor_kind)
      : mtext_size_finder(std::move(database)), vertical_mode(vertical_mode), anchor_kind(anchor_kind) {}
  string_metrics measure(const OdGiTextStyle& style, const std::u16string& text) const override;

  int vertical_mode;  // 0 baseline, 1 bottom, 2 middle, 3 top
  int anchor_kind;    // 0 baseline or top, 1 middle, 2 bottom
};

}  // namespace mtext
