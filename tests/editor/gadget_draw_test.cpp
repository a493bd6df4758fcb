// What lies under the text being edited (the backdrop, its colour a mask's
// when the text has one) and over it (the carets). The highlight over a
// selection: smart_edit_test.cpp.
#include <gtest/gtest.h>

#include <cmath>

#include "editor/caret_layer.h"
#include "editor/gadget_draw.h"
#include "tests/editor/laid_out_editable.h"

namespace {

using namespace editor_test;

TEST(GadgetDraw, AMaskFillIsTheBackdropWithItsBorder) {
  const OdCmEntityColor view(0, 0, 0), fill(1, 2, 3);
  const struct {
    bool fill_on, use_view;
    OdCmEntityColor expected;
    double scale;
  } rows[] = {{false, false, {10, 10, 10}, 1.0}, {true, false, fill, 2.0}, {true, true, view, 2.0}};
  for (const auto& r : rows) {
    OdDbMTextPtr text = OdDbMText::createObject();
    text->setBackgroundFill(r.fill_on);
    text->setUseBackgroundColor(r.use_view);
    text->setBackgroundFillColor(fill);
    text->setBackgroundScaleFactor(2.0);
    const editor::backdrop b = editor::backdrop_of(*text, view);
    EXPECT_TRUE(editor::backdrop_color(b) == r.expected) << r.fill_on << r.use_view;
    EXPECT_EQ(b.mask_scale, r.scale);
  }
}

// The caret's three strokes: stem, top serif, bottom serif.
struct caret_case {
  const char16_t* content;
  std::size_t top_serif_points;
};

TEST(CaretLayer, StemWithSerifsOfATenthOfItsHeightAndAFlagAfterRightToLeft) {
  const caret_case rows[] = {{u"ab cd", 2}, {u"\u05D0\u05D1 cd", 4}};
  for (const caret_case& r : rows) {
    const ExMTextEditablePtr e = editable(r.content, {{1, 1}, {2, 3}});
    const std::vector<od_gi_primitive> drawn = record(editor::caret_layer::create(e).get());
    ASSERT_EQ(drawn.size(), 3u) << "one caret, none for the range";
    const OdGePoint3d top = drawn[0].points[0], bottom = drawn[0].points[1];
    const double h = top.y - bottom.y, x = e->text().parts[1].x;
    EXPECT_GT(h, 0.0);
    EXPECT_DOUBLE_EQ(top.x, x);
    EXPECT_DOUBLE_EQ(bottom.x, x);
    ASSERT_EQ(drawn[2].points.size(), 2u);
    EXPECT_NEAR(drawn[2].points[0].x, x - 0.1 * h, 1e-9);
    EXPECT_NEAR(drawn[2].points[1].x, x + 0.1 * h, 1e-9);
    EXPECT_DOUBLE_EQ(drawn[2].points[0].y, bottom.y);
    ASSERT_EQ(drawn[1].points.size(), r.top_serif_points);
    EXPECT_NEAR(std::fabs(drawn[1].points[1].x - drawn[1].points[0].x), 0.2 * h, 1e-9);
    EXPECT_DOUBLE_EQ(drawn[1].points[0].y, top.y);
  }
}

}  // namespace
