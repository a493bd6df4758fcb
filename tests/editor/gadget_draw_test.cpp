// What lies under the text being edited: the backdrop and the selection
// highlight.
#include <gtest/gtest.h>

#include "editor/gadget_draw.h"
#include "tests/editor/laid_out_editable.h"

namespace {

using namespace editor_test;
using kind = od_gi_primitive_kind;
using mtext::marks::selection;

TEST(GadgetDraw, BackdropColourLeansAwayFromTheView) {
  const OdCmEntityColor mask(1, 2, 3);
  const struct {
    OdCmEntityColor view;
    std::optional<OdCmEntityColor> mask;
    OdCmEntityColor expected;
  } rows[] = {
      {{255, 255, 255}, {}, {244, 244, 244}},
      {{0, 0, 0}, {}, {10, 10, 10}},
      {{200, 100, 90}, {}, {191, 95, 86}},     // 390: light
      {{128, 127, 127}, {}, {133, 132, 132}},  // 382: still dark
      {{255, 255, 255}, mask, mask},
  };
  for (const auto& r : rows) {
    const OdCmEntityColor c = editor::backdrop_color({r.view, r.mask, 1.0});
    EXPECT_TRUE(c == r.expected) << int(c.red()) << "," << int(c.green()) << "," << int(c.blue());
  }
}

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

TEST(GadgetDraw, BackdropCoversEachColumnWithItsMarginThenHighlightsEachLine) {
  const ExMTextEditablePtr e = editable(u"ab\\Pcd", {});
  const mtext::position last = e->text().size() - 1;
  mtext::marks::set_selections(std::vector<selection>{{1, last}}, e->text().marks);
  const std::vector<od_gi_primitive> drawn = record(editor::_gadget_draw::create(e, {{0, 0, 0}, {}, 2.0}).get());

  ASSERT_EQ(drawn.size(), 3u);
  const mtext::column_record& column = e->text().columns.at(0);
  const double margin = height * 1.3;
  EXPECT_EQ(drawn[0].kind, kind::polygon);
  EXPECT_EQ(drawn[0].traits.transparency.alpha(), 200);
  EXPECT_TRUE(drawn[0].traits.trueColor == OdCmEntityColor(10, 10, 10));
  EXPECT_TRUE(drawn[0].points[0].isEqualTo({column.x - margin, column.y + margin, 0}));
  EXPECT_TRUE(drawn[0].points[2].isEqualTo({column.x + column.width + margin, column.y - column.height - margin, 0}));

  const auto& lines = e->text().lines;
  ASSERT_EQ(lines.size(), 2u);
  for (std::size_t i = 1; i < 3; ++i) {
    EXPECT_EQ(drawn[i].kind, kind::polygon);
    EXPECT_EQ(drawn[i].traits.fillType, kOdGiFillAlways);
    EXPECT_EQ(drawn[i].traits.transparency.alpha(), 120);
    EXPECT_TRUE(drawn[i].traits.trueColor == OdCmEntityColor(255, 255, 255));
    EXPECT_DOUBLE_EQ(drawn[i].points[0].y, lines[i - 1].y + lines[i - 1].height) << "from the line's top";
  }
  EXPECT_DOUBLE_EQ(drawn[1].points[0].x, e->text().parts[1].x) << "from the selection's start";
  EXPECT_DOUBLE_EQ(drawn[2].points[0].x, lines[1].x) << "the second line from its start";
  EXPECT_DOUBLE_EQ(drawn[2].points[1].x, e->text().parts[last].x) << "to the selection's end";
}

}  // namespace
