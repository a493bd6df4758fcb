#include <gtest/gtest.h>

#include <regex>

#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"
#include "platform/sdk/OdGiTextOutline.h"

namespace {

void expect_near(const OdGePoint3d& got, const OdGePoint3d& want, double tol = 1e-9) {
  EXPECT_TRUE(got.isEqualTo(want, OdGeTol{tol, tol}))
      << "got " << got.x << "," << got.y << "," << got.z << " want " << want.x << "," << want.y << "," << want.z;
}
void expect_near(const OdGeVector3d& got, const OdGeVector3d& want) {
  expect_near(OdGePoint3d::kOrigin + got, OdGePoint3d::kOrigin + want);
}

OdGiTextStyle sans_style(double height) {
  OdGiTextStyle style;
  style.setFont(u"Arial", false, false, 0, 34);
  style.setTextSize(height);
  return style;
}

TEST(GiTextRun, RecordedWithStyleStringAndWorldAxes) {
  OdGiRecorder recorder;
  const OdGiTextStyle style = sans_style(2.5);
  const OdString msg(u"Abc");
  recorder.pushModelTransform(OdGeMatrix3d::translation({100, 0, 0}));
  // Direction not quite in the plane: only its in-plane part counts.
  recorder.text({1, 2, 0}, OdGeVector3d::kZAxis, {0, 3, 0.5}, msg.c_str(), 2, true, &style);
  recorder.popModelTransform();
  recorder.text({0, 0, 0}, OdGeVector3d(0, 0, -1), OdGeVector3d::kXAxis, 4.0, 0.8, 0.2, u"x");
  const auto& p = recorder.primitives();
  ASSERT_EQ(p.size(), 2u);
  ASSERT_TRUE(p[0].text);
  EXPECT_EQ(p[0].kind, od_gi_primitive_kind::text_run);
  EXPECT_EQ(p[0].text->text, OdString(u"Ab"));  // length counts
  EXPECT_TRUE(p[0].text->raw);
  EXPECT_DOUBLE_EQ(p[0].text->style.textSize(), 2.5);
  expect_near(p[0].text->position, {101, 2, 0});
  expect_near(p[0].text->x_axis, {0, 1, 0});
  expect_near(p[0].text->y_axis, {-1, 0, 0});
  // With the normal pointing down, the text's up is world -y.
  expect_near(p[1].text->y_axis, {0, -1, 0});
  EXPECT_DOUBLE_EQ(p[1].text->style.textSize(), 4.0);
  EXPECT_DOUBLE_EQ(p[1].text->style.xScale(), 0.8);
  EXPECT_DOUBLE_EQ(p[1].text->style.obliquingAngle(), 0.2);
  EXPECT_THROW(recorder.text({}, OdGeVector3d::kZAxis, OdGeVector3d::kZAxis, 1, 1, 0, u"x"), OdError);
}

std::vector<double> numbers(const std::string& text) {
  std::vector<double> values;
  const std::regex number("-?[0-9]+(\\.[0-9]+)?");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
    values.push_back(std::stod(it->str()));
  return values;
}

// The d attributes of the filled and of the stroked paths in a document.
std::vector<std::string> path_data(const std::string& svg, bool filled) {
  std::vector<std::string> found;
  const std::regex path("<path d=\"([^\"]*)\"([^>]*)/>");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator(); ++it) {
    const bool isFilled = it->str(2).find("fill=\"none\"") == std::string::npos;
    if (isFilled == filled) found.push_back(it->str(1));
  }
  return found;
}

// The text run turned a quarter left at (10, 20): text-space (u, v) lands at
// world (10 - v, 20 + u), which SVG shows at (10 - v, -(20 + u)).
TEST(GiTextRun, SvgDrawsGlyphOutlinesPlacedAndRotated) {
  const OdGiTextStyle style = sans_style(3.0);
  const OdString msg(u"Hi");
  OdGiRecorder recorder;
  recorder.setColor(1);
  recorder.text({10, 20, 0}, OdGeVector3d::kZAxis, OdGeVector3d::kYAxis, msg.c_str(), msg.getLength(), false, &style);
  const std::string svg = od_gi_svg_document(recorder.primitives());

  std::vector<double> expected;
  int closed = 0;
  for (const OdGiGlyphContour& contour : odTextOutlines(style, msg)) {
    if (!contour.closed) continue;
    ++closed;
    for (const OdGePoint2d& p : contour.points) {
      expected.push_back(10 - p.y);
      expected.push_back(-(20 + p.x));
    }
  }
  ASSERT_GT(closed, 0);
  const auto filled = path_data(svg, true);
  ASSERT_EQ(filled.size(), 1u);
  const std::vector<double> got = numbers(filled[0]);
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], 1e-5) << i;
  // One subpath per closed contour, all filled in the text's colour with nonzero.
  EXPECT_EQ(std::count(filled[0].begin(), filled[0].end(), 'M'), closed);
  EXPECT_NE(svg.find("fill=\"#ff0000\" fill-rule=\"nonzero\""), std::string::npos);
  EXPECT_NE(svg.find("data-text=\"Hi\""), std::string::npos);
}

TEST(GiTextRun, OpenContoursAreStrokedAndGlyphsWidenTheViewBox) {
  OdGiTextStyle stroke_style;
  stroke_style.setFileName(u"txt.shx");
  stroke_style.setShxFont(true);
  stroke_style.setTextSize(5.0);
  const OdString msg(u"W&<");
  int open = 0;
  for (const OdGiGlyphContour& contour : odTextOutlines(stroke_style, msg)) open += contour.closed ? 0 : 1;
  OdGiRecorder recorder;
  recorder.text({0, 0, 0}, OdGeVector3d::kZAxis, OdGeVector3d::kXAxis, msg.c_str(), msg.getLength(), false,
                &stroke_style);
  const std::string svg = od_gi_svg_document(recorder.primitives(), {.margin = 0.0});
  const auto stroked = path_data(svg, false);
  ASSERT_GT(open, 0);  // a missing shape font falls back to a stroke font
  ASSERT_EQ(stroked.size(), 1u);
  EXPECT_EQ(std::count(stroked[0].begin(), stroked[0].end(), 'M'), open);
  EXPECT_NE(svg.find("data-text=\"W&amp;&lt;\""), std::string::npos);
  // The run's ink reaches the cap height, so the picture is more than a point.
  std::smatch box;
  ASSERT_TRUE(std::regex_search(svg, box, std::regex("viewBox=\"([^\"]*)\"")));
  const std::vector<double> view = numbers(box[1]);
  ASSERT_EQ(view.size(), 4u);
  EXPECT_GT(view[3], 2.5);
  EXPECT_GT(view[2], 5.0);
}

}  // namespace
