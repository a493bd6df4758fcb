// The metrics a laid-out part keeps: its pen advance, and a pointer to its
// ink box with the four vertical metrics of its font at its height.
//
// The box and the font's metrics are the same for every occurrence of a
// character in a font at a height, so they are held once per process: a text
// of a hundred thousand parts shares a few hundred of them. The advance stays
// the part's own, as the layout sets a tab's.
#pragma once

#include "mtext/measure.h"

namespace mtext {

class part_metrics {
public:
  part_metrics() : shared_(&unmeasured) {}
  // Implicit, so that a measurement can be stored as it is.
  part_metrics(const string_metrics& m);
  operator string_metrics() const;

  const font_metrics& font() const { return shared_->font; }
  double left() const { return shared_->left; }      // x of the ink box's left edge
  double right() const { return shared_->right; }    // advance minus x of the ink box's right edge
  double ascent() const { return shared_->ascent; }  // top of the ink box above the baseline
  double depth() const { return shared_->depth; }    // bottom of the ink box below the baseline, positive down

  double advance = 0.0;  // pen x after the last glyph

  // What parts share.
  struct shared {
    font_metrics font;
    double left = 0.0;
    double right = 0.0;
    double ascent = 0.0;
    double depth = 0.0;
  };

private:
  static const shared unmeasured;

  const shared* shared_;  // never null; never freed
};

}  // namespace mtext
