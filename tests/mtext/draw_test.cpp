// Laid-out text drawn through the graphics layer: each character where the
// layout put it, in its colour, with the lines its format asks for.
#include <gtest/gtest.h>

#include "describe.h"
#include "mtext/draw.h"
#include "mtext/layout.h"
#include "platform/sdk/OdGiRecorder.h"
#include "test_finder.h"

namespace {

using namespace mtext;

TEST(Draw, EachCharacterAtItsPlaceAndAnUnderlineUnderTheRun) {
  geom_multitext text;
  to_geom(text, mtext_test::parsed(u"a{\\L\\C1;bc}", mtext_test::base_format(1.0)), 1.0, mtext_test::fixed_finder());
  dispose(text);
  OdGiRecorder gi;
  draw(text, gi, gi, OdCmEntityColor::fromIndex(7));
  std::vector<double> run_x;
  int lines = 0;
  for (const od_gi_primitive& p : gi.primitives()) {
    if (p.kind == od_gi_primitive_kind::text_run) run_x.push_back(p.text->position.x);
    if (p.kind == od_gi_primitive_kind::polyline) {
      ++lines;
      EXPECT_LT(p.points[0].y, text.parts[1].y) << "an underline lies below the baseline";
      EXPECT_TRUE(p.traits.trueColor == OdCmEntityColor::fromIndex(1)) << "in the run's colour";
    }
  }
  ASSERT_EQ(run_x.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(run_x[i], text.parts[i].x);
  EXPECT_EQ(lines, 2) << "one line under each underlined character";
}

}  // namespace
