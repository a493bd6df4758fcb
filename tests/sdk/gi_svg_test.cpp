#include <gtest/gtest.h>

#include <map>
#include <regex>

#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace {

using attributes = std::map<std::string, std::string>;

// Every element named `tag` in `svg`, with its attributes.
std::vector<attributes> elements(const std::string& svg, const std::string& tag) {
  std::vector<attributes> found;
  const std::regex element("<" + tag + "\\s([^>]*?)/?>");
  const std::regex attribute("([a-zA-Z:-]+)=\"([^\"]*)\"");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
    const std::string inside = (*it)[1];
    attributes attrs;
    for (auto a = std::sregex_iterator(inside.begin(), inside.end(), attribute); a != std::sregex_iterator(); ++a)
      attrs[(*a)[1]] = (*a)[2];
    found.push_back(attrs);
  }
  return found;
}

std::vector<double> numbers(const std::string& text) {
  std::vector<double> values;
  const std::regex number("-?[0-9]+(\\.[0-9]+)?");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it)
    values.push_back(std::stod(it->str()));
  return values;
}

void segment(OdGiGeometry& g, const OdGePoint3d& a, const OdGePoint3d& b) {
  const OdGePoint3d points[] = {a, b};
  g.polyline(2, points);
}

TEST(GiSvg, YIsFlippedAndTheViewBoxHoldsEverythingWithAMargin) {
  OdGiRecorder recorder;
  segment(recorder, {0, 0, 0}, {10, 5, 0});
  const std::string svg = od_gi_svg_document(recorder.primitives(), {.margin = 0.1, .background = {}});
  auto lines = elements(svg, "polyline");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(numbers(lines[0]["points"]), (std::vector<double>{0, 0, 10, -5}));
  // x from -1 to 11, y (flipped) from -6 to 1.
  EXPECT_EQ(numbers(elements(svg, "svg")[0]["viewBox"]), (std::vector<double>{-1, -6, 12, 7}));
  EXPECT_TRUE(elements(svg, "rect").empty());
}

TEST(GiSvg, ColoursComeFromTrueColourPaletteOrForeground) {
  struct row {
    OdCmEntityColor color;
    std::string stroke;
  };
  const row rows[] = {
      {OdCmEntityColor(0x12, 0xab, 0x40), "#12ab40"},
      {OdCmEntityColor::fromIndex(1), "#ff0000"},
      {OdCmEntityColor::fromIndex(12), "#cc0000"},
      {OdCmEntityColor::fromIndex(7), "#000000"},  // white on screen, black on paper
      {OdCmEntityColor(), "#000000"},              // by layer
      {OdCmEntityColor::fromIndex(0), "#000000"},  // by block
  };
  for (const auto& r : rows) {
    OdGiRecorder recorder;
    recorder.setTrueColor(r.color);
    segment(recorder, {0, 0, 0}, {1, 1, 0});
    auto lines = elements(od_gi_svg_document(recorder.primitives()), "polyline");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["stroke"], r.stroke);
    EXPECT_EQ(lines[0]["fill"], "none");
  }
  OdGiRecorder recorder;
  recorder.setTrueColor(OdCmEntityColor(OdCmEntityColor::kNone));
  segment(recorder, {0, 0, 0}, {1, 1, 0});
  EXPECT_TRUE(elements(od_gi_svg_document(recorder.primitives()), "polyline").empty());
  const std::string white = od_gi_svg_document({}, {.foreground = 0xFFFFFF, .background = 0x202020});
  EXPECT_EQ(elements(white, "rect")[0]["fill"], "#202020");
}

TEST(GiSvg, PolygonsAndCirclesFillOnlyWhenFillIsOn) {
  OdGiRecorder recorder;
  const OdGePoint3d triangle[] = {{0, 0, 0}, {4, 0, 0}, {0, 3, 0}};
  recorder.setColor(5);
  recorder.polygon(3, triangle);
  recorder.circle({2, 2, 0}, 1.0, OdGeVector3d::kZAxis);
  recorder.setFillType(kOdGiFillAlways);
  recorder.polygon(3, triangle);
  recorder.circle({2, 2, 0}, 1.0, OdGeVector3d::kZAxis);
  const std::string svg = od_gi_svg_document(recorder.primitives());
  auto polygons = elements(svg, "polygon");
  auto circles = elements(svg, "circle");
  ASSERT_EQ(polygons.size(), 2u);
  ASSERT_EQ(circles.size(), 2u);
  EXPECT_EQ(polygons[0]["fill"], "none");
  EXPECT_EQ(polygons[0]["stroke"], "#0000ff");
  EXPECT_EQ(polygons[1]["fill"], "#0000ff");
  EXPECT_EQ(polygons[1]["stroke"], "none");
  EXPECT_EQ(polygons[1]["fill-rule"], "nonzero");
  EXPECT_EQ(numbers(polygons[1]["points"]), (std::vector<double>{0, 0, 4, 0, 0, -3}));
  EXPECT_EQ(circles[0]["fill"], "none");
  EXPECT_EQ(circles[1]["fill"], "#0000ff");
  EXPECT_EQ(circles[1]["cy"], "-2");
  EXPECT_EQ(circles[1]["r"], "1");
}

TEST(GiSvg, TransparencyBecomesOpacity) {
  struct row {
    OdCmTransparency transparency;
    std::string opacity;  // empty: no attribute
  };
  const row rows[] = {
      {OdCmTransparency(std::uint8_t{51}), "0.2"},
      {OdCmTransparency(std::uint8_t{0}), "0"},
      {OdCmTransparency(std::uint8_t{255}), ""},
      {OdCmTransparency(OdCmTransparency::kByBlock), ""},
  };
  for (const auto& r : rows) {
    OdGiRecorder recorder;
    recorder.setTransparency(r.transparency);
    segment(recorder, {0, 0, 0}, {1, 0, 0});
    auto lines = elements(od_gi_svg_document(recorder.primitives()), "polyline");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].count("opacity") ? lines[0]["opacity"] : "", r.opacity);
  }
}

TEST(GiSvg, EveryLineTypeButContinuousIsDashed) {
  const std::pair<const char16_t*, bool> rows[] = {
      {u"", false}, {u"Continuous", false}, {u"CONTINUOUS", false}, {u"DASHED", true}, {u"HIDDEN2", true}};
  for (const auto& [name, dashed] : rows) {
    OdGiRecorder recorder;
    recorder.setLineType(name);
    segment(recorder, {0, 0, 0}, {1, 0, 0});
    auto lines = elements(od_gi_svg_document(recorder.primitives()), "polyline");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].count("stroke-dasharray") == 1, dashed) << OdString(name).toUtf8();
  }
}

TEST(GiSvg, LineWeightWidensStrokes) {
  OdGiRecorder recorder;
  segment(recorder, {0, 0, 0}, {1, 0, 0});
  recorder.setLineWeight(100);  // 1 mm = 96 / 25.4 px
  segment(recorder, {0, 0, 0}, {1, 0, 0});
  // 1.1 drawing units (with the margin) over 1100 pixels: a pixel is 0.001.
  auto lines = elements(od_gi_svg_document(recorder.primitives(), {.margin = 0.05, .width_px = 1100}), "polyline");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["stroke-width"], "0.001");
  EXPECT_NEAR(std::stod(lines[1]["stroke-width"]), 96 / 25.4 * 0.001, 1e-6);
  lines = elements(od_gi_svg_document(recorder.primitives(), {.width_px = 0}), "polyline");
  EXPECT_EQ(lines[0]["stroke-width"], "1");
}

TEST(GiSvg, TiltedCircleIsDrawnAsItsProjection) {
  OdGiRecorder recorder;
  recorder.circle({0, 0, 0}, 2.0, OdGeVector3d::kYAxis);  // seen edge-on from above
  const std::string svg = od_gi_svg_document(recorder.primitives());
  EXPECT_TRUE(elements(svg, "circle").empty());
  auto polygons = elements(svg, "polygon");
  ASSERT_EQ(polygons.size(), 1u);
  const std::vector<double> values = numbers(polygons[0]["points"]);
  double maxX = 0, maxY = 0;
  for (std::size_t i = 0; i + 1 < values.size(); i += 2) {
    maxX = std::max(maxX, std::fabs(values[i]));
    maxY = std::max(maxY, std::fabs(values[i + 1]));
  }
  EXPECT_NEAR(maxX, 2.0, 1e-9);
  EXPECT_NEAR(maxY, 0.0, 1e-9);
}

TEST(GiSvg, EmptyRecordingIsAValidEmptyDocument) {
  const std::string svg = od_gi_svg_document({});
  EXPECT_EQ(elements(svg, "svg").size(), 1u);
  EXPECT_NE(svg.find("</svg>"), std::string::npos);
  EXPECT_TRUE(elements(svg, "polyline").empty());
}

}  // namespace
