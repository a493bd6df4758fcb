#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/sdk/OdFont.h"
#include "platform/sdk/OdGiContextForDbDatabase.h"
#include "platform/sdk/OdGiTextOutline.h"
#include "platform/sdk/OdGiTextRun.h"

namespace {

constexpr double pi = 3.14159265358979323846;

// Reads the few table fields the tests check, straight from the font file,
// so that the font layer is compared with the file and not with itself.
struct font_tables {
  double units_per_em = 0, win_ascent = 0, win_descent = 0, cap_height = 0;
  double hhea_ascender = 0, hhea_descender = 0, hhea_line_gap = 0;
};

font_tables read_tables(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto u16 = [&](std::size_t at) { return static_cast<unsigned>(d.at(at) << 8 | d.at(at + 1)); };
  const auto s16 = [&](std::size_t at) { return static_cast<int>(static_cast<std::int16_t>(u16(at))); };
  const auto u32 = [&](std::size_t at) { return static_cast<std::size_t>(u16(at)) << 16 | u16(at + 2); };
  font_tables t;
  const unsigned tables = u16(4);
  for (unsigned i = 0; i < tables; ++i) {
    const std::size_t record = 12 + 16 * i;
    const std::string tag(d.begin() + static_cast<long>(record), d.begin() + static_cast<long>(record + 4));
    const std::size_t at = u32(record + 8);
    if (tag == "head") t.units_per_em = u16(at + 18);
    if (tag == "hhea") t.hhea_ascender = s16(at + 4), t.hhea_descender = s16(at + 6), t.hhea_line_gap = s16(at + 8);
    if (tag == "OS/2") {
      t.win_ascent = u16(at + 74);
      t.win_descent = u16(at + 76);
      if (u16(at) >= 2) t.cap_height = s16(at + 88);
    }
  }
  return t;
}

OdGiTextStyle truetype(const char* typeface, double size) {
  OdGiTextStyle style;
  style.setFont(OdString::fromUtf8(typeface), false, false, 0, 34);
  style.setTextSize(size);
  return style;
}

OdGiTextStyle shape(const char* file, double size) {
  OdGiTextStyle style;
  style.setFileName(OdString::fromUtf8(file));
  style.setShxFont(true);
  style.setTextSize(size);
  return style;
}

struct extents {
  OdGePoint3d min, max, end;
};

extents measure(const OdGiTextStyle& style, const std::u16string& text) {
  OdGiContextForDbDatabasePtr context = OdGiContextForDbDatabase::createObject();
  extents e;
  context->textExtentsBox(style, text.c_str(), static_cast<int>(text.size()), 0, e.min, e.max, &e.end);
  return e;
}

TEST(TrueTypeFont, QuantitiesAreTheWindowsTextMetricsOfTheFile) {
  const OdGiTextStyle style = truetype("Arial", 2.5);
  const OdFont* font = style.getFont();
  ASSERT_NE(font, nullptr);
  EXPECT_STREQ(font->kind(), "truetype");
  const std::string file = font->fileName().toUtf8();
  EXPECT_NE(file.find("LiberationSans"), std::string::npos) << file;
  const font_tables t = read_tables(file);
  EXPECT_EQ(font->getAbove(), t.win_ascent);
  EXPECT_EQ(font->getBelow(), t.win_descent);
  EXPECT_EQ(font->getInternalLeading(), t.win_ascent + t.win_descent - t.units_per_em);
  const double external = std::max(0.0, t.hhea_line_gap - ((t.win_ascent + t.win_descent) -
                                                            (t.hhea_ascender - t.hhea_descender)));
  EXPECT_EQ(font->getHeight(), t.win_ascent + t.win_descent + external);
  EXPECT_FALSE(font->isShxFont());
  EXPECT_EQ(font->capHeight(), t.cap_height);
}

TEST(TrueTypeFont, CapitalsStandAtTheTextSizeAtEverySize) {
  for (const double size : {2.5, 40.0}) {
    const extents h = measure(truetype("Arial", size), u"H");
    EXPECT_NEAR(h.max.y, size, size * 1e-9) << size;
    EXPECT_NEAR(h.min.y, 0.0, 1e-12);
  }
  const extents small = measure(truetype("Arial", 2.5), u"Hag");
  const extents large = measure(truetype("Arial", 5.0), u"Hag");
  EXPECT_NEAR(large.end.x, 2 * small.end.x, 1e-12);
  EXPECT_NEAR(large.min.y, 2 * small.min.y, 1e-12);
  EXPECT_LT(small.min.y, 0.0) << "g reaches below the baseline";
}

TEST(TrueTypeFont, SurrogatePairsAreOneCharacter) {
  const OdGiTextStyle style = truetype("Arial", 2.5);
  const std::u16string text = u"A\U0001D400B";
  EXPECT_EQ(odPlaceText(style, text.c_str(), static_cast<int>(text.size())).glyphs.size(), 3u);
  const std::u16string lone = u"A\xD800";
  EXPECT_EQ(odPlaceText(style, lone.c_str(), static_cast<int>(lone.size())).glyphs.size(), 2u);
}

TEST(TrueTypeFont, OutlinesFollowTheMeasure) {
  const OdGiTextStyle style = truetype("Arial", 2.5);
  const extents e = measure(style, u"Ho");
  double x0 = 1e9, x1 = -1e9, y1 = -1e9;
  const auto contours = odTextOutlines(style, u"Ho");
  ASSERT_GE(contours.size(), 3u);  // H has one contour, o two
  for (const auto& c : contours) {
    EXPECT_TRUE(c.closed);
    for (const auto& p : c.points) x0 = std::min(x0, p.x), x1 = std::max(x1, p.x), y1 = std::max(y1, p.y);
  }
  EXPECT_NEAR(x0, e.min.x, 1e-9);
  EXPECT_NEAR(x1, e.max.x, 0.01);  // flattened curves stay inside the exact box
  EXPECT_NEAR(y1, e.max.y, 0.01);
}

TEST(StrokeFont, MissingShapeFileDrawsInRomanSimplex) {
  const OdGiTextStyle style = shape("no-such-font.shx", 2.1);
  const OdFont* font = style.getFont();
  ASSERT_NE(font, nullptr);
  EXPECT_STREQ(font->kind(), "hershey");
  EXPECT_TRUE(font->isShxFont());
  EXPECT_EQ(font->getAbove(), 21.0);  // Roman Simplex: capitals 21 units over the baseline
  EXPECT_EQ(font->getBelow(), 7.0);   // descenders 7 below
  EXPECT_DOUBLE_EQ(font->getHeight(), 35.0);
  EXPECT_EQ(font->getInternalLeading(), 0.0);
  const extents h = measure(style, u"H");
  EXPECT_NEAR(h.max.y, 2.1, 1e-12);
  EXPECT_NEAR(h.min.y, 0.0, 1e-12);
  EXPECT_NEAR(h.end.x, 22.0 * 0.1, 1e-12);  // H is 22 units wide in the file
  for (const auto& stroke : odTextOutlines(style, u"H")) EXPECT_FALSE(stroke.closed);
}

TEST(StrokeFont, CharactersItLacksComeFromTheFallback) {
  const OdGiTextStyle style = shape("romans.shx", 2.5);
  const extents e = measure(style, u"\u00E9\u4E2D");
  EXPECT_GT(e.end.x, 0.0);
  EXPECT_GT(e.max.y, 0.0);
}

// A tiny shape file: "A" is a stroke up 8 units and one right 4 units.
std::string write_tiny_shx(const std::filesystem::path& folder) {
  std::vector<unsigned char> data;
  const std::string header = "AutoCAD-86 shapes 1.0\r\n\x1A";
  data.insert(data.end(), header.begin(), header.end());
  const auto put16 = [&](unsigned v) { data.push_back(v & 0xFF), data.push_back(v >> 8); };
  const std::vector<unsigned char> info = {'t', 'i', 'n', 'y', 0, 8, 2, 0, 0};
  const std::vector<unsigned char> a = {'A', 0, 0x84, 0x02, 0x8C, 0x01, 0x40, 0x00};
  put16(0), put16(65), put16(2);
  put16(0), put16(static_cast<unsigned>(info.size()));
  put16(65), put16(static_cast<unsigned>(a.size()));
  data.insert(data.end(), info.begin(), info.end());
  data.insert(data.end(), a.begin(), a.end());
  const auto path = folder / "cadtext-tiny.shx";
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data.data()),
                                               static_cast<std::streamsize>(data.size()));
  return path.string();
}

TEST(ShapeFont, RealShapeFileOnTheFontPathIsRead) {
  const auto folder = std::filesystem::temp_directory_path() / "cadtext-font-test";
  std::filesystem::create_directories(folder);
  write_tiny_shx(folder);
  setenv("CADTEXT_FONT_PATH", folder.c_str(), 1);
  const OdGiTextStyle style = shape("cadtext-tiny", 8.0);
  const OdFont* font = style.getFont();
  ASSERT_NE(font, nullptr);
  EXPECT_STREQ(font->kind(), "shx");
  EXPECT_EQ(font->getAbove(), 8.0);
  EXPECT_EQ(font->getBelow(), 2.0);
  const extents a = measure(style, u"A");
  EXPECT_NEAR(a.end.x, 4.0, 1e-12);
  EXPECT_NEAR(a.max.y, 8.0, 1e-12);
  EXPECT_NEAR(a.max.x, 4.0, 1e-12);
  EXPECT_EQ(odTextOutlines(style, u"A").size(), 2u) << "the pen was lifted once";
}

TEST(CharMapper, CodePagesOfCharsets) {
  const std::pair<int, int> table[] = {{0, 1252}, {128, 932}, {129, 949}, {134, 936}, {136, 950},
                                       {161, 1253}, {162, 1254}, {177, 1255}, {178, 1256},
                                       {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {255, 437}};
  for (const auto& [charset, page] : table) EXPECT_EQ(OdCharMapper::getCodepageByCharset(charset), page) << charset;
}

}  // namespace
