// Recorded primitives and text runs written as SVG: y flipped, colours,
// fills, opacity, dashes and widths as attributes, glyphs as paths.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <regex>

#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"
#include "platform/sdk/OdGiTextOutline.h"

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

void segment(OdGiGeometry& g, const OdGePoint3d& a = {0, 0, 0}, const OdGePoint3d& b = {1, 1, 0}) {
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
  EXPECT_NE(od_gi_svg_document({}).find("</svg>"), std::string::npos) << "an empty recording is a document";
}

const OdGePoint3d kTriangle[] = {{0, 0, 0}, {4, 0, 0}, {0, 3, 0}};

// One primitive drawn in traits set by `draw`, and the attribute its element gets.
struct attribute_row {
  std::function<void(OdGiRecorder&)> draw;
  const char* tag;
  const char* name;
  const char* value;  // null: no such attribute; "*": any value
};

TEST(GiSvg, TraitsBecomeAttributes) {
  const auto with = [](auto set) {
    return [set](OdGiRecorder& r) {
      set(r);
      segment(r);
    };
  };
  const attribute_row rows[] = {
      {with([](OdGiRecorder& r) { r.setTrueColor(OdCmEntityColor(0x12, 0xab, 0x40)); }), "polyline", "stroke", "#12ab40"},
      {with([](OdGiRecorder& r) { r.setColor(12); }), "polyline", "stroke", "#cc0000"},
      {with([](OdGiRecorder& r) { r.setColor(7); }), "polyline", "stroke", "#000000"},  // white on screen, black on paper
      {[](OdGiRecorder& r) { r.polygon(3, kTriangle); }, "polygon", "fill", "none"},
      {[](OdGiRecorder& r) { r.setColor(5); r.setFillType(kOdGiFillAlways); r.polygon(3, kTriangle); }, "polygon", "fill",
       "#0000ff"},
      {[](OdGiRecorder& r) { r.setColor(5); r.setFillType(kOdGiFillAlways); r.circle({2, 2, 0}, 1.0, OdGeVector3d::kZAxis); },
       "circle", "fill", "#0000ff"},
      {with([](OdGiRecorder& r) { r.setTransparency(OdCmTransparency(std::uint8_t{51})); }), "polyline", "opacity", "0.2"},
      {with([](OdGiRecorder& r) { r.setTransparency(OdCmTransparency(std::uint8_t{255})); }), "polyline", "opacity", nullptr},
      {with([](OdGiRecorder& r) { r.setLineType(u"CONTINUOUS"); }), "polyline", "stroke-dasharray", nullptr},
      {with([](OdGiRecorder& r) { r.setLineType(u"HIDDEN2"); }), "polyline", "stroke-dasharray", "*"},
  };
  for (const attribute_row& r : rows) {
    OdGiRecorder recorder;
    r.draw(recorder);
    const std::string svg = od_gi_svg_document(recorder.primitives());
    const auto found = elements(svg, r.tag);
    ASSERT_EQ(found.size(), 1u) << svg;
    const std::string got = found[0].count(r.name) ? found[0].at(r.name) : "(none)";
    const std::string want = !r.value ? "(none)" : r.value;
    EXPECT_EQ(got, want == "*" && got != "(none)" ? got : want) << svg;
  }
  OdGiRecorder none;
  none.setTrueColor(OdCmEntityColor(OdCmEntityColor::kNone));
  segment(none);
  EXPECT_TRUE(elements(od_gi_svg_document(none.primitives()), "polyline").empty());
  const std::string white = od_gi_svg_document({}, {.foreground = 0xFFFFFF, .background = 0x202020});
  EXPECT_EQ(elements(white, "rect")[0]["fill"], "#202020");
}

TEST(GiSvg, TiltedCircleIsDrawnAsItsProjection) {
  OdGiRecorder recorder;
  recorder.circle({0, 0, 0}, 2.0, OdGeVector3d::kYAxis);  // seen edge-on from above
  auto polygons = elements(od_gi_svg_document(recorder.primitives()), "polygon");
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

// The d attributes of the filled and of the stroked paths in a document.
std::vector<std::string> path_data(const std::string& svg, bool filled) {
  std::vector<std::string> found;
  const std::regex path("<path d=\"([^\"]*)\"([^>]*)/>");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), path); it != std::sregex_iterator(); ++it)
    if ((it->str(2).find("fill=\"none\"") == std::string::npos) == filled) found.push_back(it->str(1));
  return found;
}

// The text run turned a quarter left at (10, 20): text-space (u, v) lands at
// world (10 - v, 20 + u), which SVG shows at (10 - v, -(20 + u)).
TEST(GiSvg, TextRunsAreGlyphOutlinesPlacedAndRotated) {
  OdGiTextStyle style;
  style.setFont(u"Arial", false, false, 0, 34);
  style.setTextSize(3.0);
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
    for (const OdGePoint2d& p : contour.points) expected.insert(expected.end(), {10 - p.y, -(20 + p.x)});
  }
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

TEST(GiSvg, OpenContoursAreStrokedAndGlyphsWidenTheViewBox) {
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
  const std::vector<double> view = numbers(elements(svg, "svg")[0]["viewBox"]);
  ASSERT_EQ(view.size(), 4u);
  EXPECT_GT(view[3], 2.5);
  EXPECT_GT(view[2], 5.0);
}

}  // namespace
