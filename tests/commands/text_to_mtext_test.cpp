// Merging Texts into one MText: reading order, rows, formats as codes, the
// frame and the placement.
#include <gtest/gtest.h>

#include <map>

#include "commands/text_to_mtext.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"
#include "test_drawing.h"

namespace {

using namespace text_to_mtext;

std::string utf8(const OdString& s) { return s.toUtf8(); }

// The merged text read back as plain text, paragraphs as CR LF.
std::string plain_of(const OdDbMText& m) {
  mtext::multitext model;
  mtext::parse(m.contents().c_str(), mtext::format::string(), model, false);
  return utf8(OdString(mtext::serialize_raw(model, false)));
}

std::vector<OdDbTextPtr> sorted(std::vector<OdDbTextPtr> texts) {
  sort_reading_order(texts);
  return texts;
}

TEST(Merge, TextsOnOneRowJoinWithABlankLaterRowsStartParagraphs) {
  test_drawing d;
  OdDbTextPtr a = d.text(u"Title block", OdGePoint3d(0.0, 10.0, 0.0));
  OdDbTextPtr b = d.text(u"sheet 1", OdGePoint3d(40.0, 10.1, 0.0));
  OdDbTextPtr c = d.text(u"Drawn by", OdGePoint3d(0.0, 5.0, 0.0));
  OdDbMTextPtr m = merge(sorted({c, b, a}), d.db.get());
  ASSERT_FALSE(m.isNull());
  EXPECT_EQ(plain_of(*m), "Title block sheet 1\r\nDrawn by");
  // The fixed frame wraps nothing: the same contents without a width lay
  // out to the same size.
  OdDbMTextPtr free = d.mtext(m->contents().c_str(), OdGePoint3d(0.0, 0.0, 0.0), OdDbMText::kTopLeft, m->textHeight());
  free->setTextStyle(m->textStyle());
  EXPECT_NEAR(m->actualHeight(), free->actualHeight(), 1e-9);
  EXPECT_NEAR(m->actualWidth(), free->actualWidth(), 1e-9);
  EXPECT_NEAR(m->width(), free->actualWidth(), 1e-9);
}

TEST(Merge, OverlappingTextsOnOneRowStartANewParagraph) {
  test_drawing d;
  OdDbTextPtr a = d.text(u"Overlapping", OdGePoint3d(0.0, 0.0, 0.0));
  // Starts left of the first's right end, on the same row.
  OdDbTextPtr b = d.text(u"next", OdGePoint3d(3.0, 0.1, 0.0));
  ASSERT_LT(bounding_points(*b)[2].x, bounding_points(*a)[3].x);
  EXPECT_EQ(plain_of(*merge(sorted({b, a}), d.db.get())), "Overlapping\r\nnext");
}

TEST(Merge, ACentredFirstTextPlacesAtTheMiddleOfItsTop) {
  test_drawing d;
  OdDbTextPtr a = d.justified_text(u"Middle", OdGePoint3d(0.0, 0.0, 0.0), kTextMid, kTextBase);
  const auto box = bounding_points(*a);
  OdDbMTextPtr m = merge({a}, d.db.get());
  EXPECT_EQ(m->attachment(), OdDbMText::kTopCenter);
  expect_point_near(m->location(), OdGePoint3d((box[0].x + box[1].x) / 2, box[0].y, 0.0), 1e-9, "location");
}

TEST(Merge, LaterTextsThatLookDifferentAreWrittenAsCodes) {
  test_drawing d;
  OdDbTextPtr a = d.text(u"Base", OdGePoint3d(0.0, 10.0, 0.0), 2.0);
  OdDbTextPtr b = d.text(u"Big", OdGePoint3d(0.0, 5.0, 0.0), 4.0);
  OdDbTextPtr c = d.text(u"Wide", OdGePoint3d(0.0, 0.0, 0.0), 2.0);
  c->setWidthFactor(1.5);
  c->setOblique(OdaPI / 12.0);  // 15 degrees
  OdDbTextPtr e = d.text(u"Red", OdGePoint3d(0.0, -5.0, 0.0), 2.0);
  e->setColorIndex(1);
  OdDbTextPtr f = d.text(u"Blue", OdGePoint3d(0.0, -10.0, 0.0), 2.0);
  f->setColor(OdCmEntityColor(0x10, 0x20, 0xF0));
  OdDbMTextPtr m = merge({a, b, c, e, f}, d.db.get());
  const std::string contents = utf8(m->contents());
  // Text outside codes is the first Text's.
  EXPECT_EQ(contents.rfind("\\pxi0,l0,r0,b0,a0;Base\\P", 0), 0u) << contents;
  EXPECT_NE(contents.find("\\H2x;Big"), std::string::npos) << contents;
  // Read back as a reader of the MText will: its style at its height outside codes.
  mtext::multitext model;
  mtext::parse(m->contents().c_str(), mtext::default_mtext_format(m), model, false);
  std::map<std::string, const mtext::format::string*> runs;
  for (const mtext::part& p : model.parts)
    if (p.type() == mtext::string_type) runs[utf8(OdString(mtext::part_cast<mtext::string>(p).text))] = &p.format;
  ASSERT_EQ(runs.size(), 5u) << contents;
  EXPECT_NEAR(runs["Base"]->height, 2.0, 1e-9);
  EXPECT_NEAR(runs["Big"]->height, 4.0, 1e-9);
  EXPECT_NEAR(runs["Wide"]->height, 2.0, 1e-9);
  EXPECT_NEAR(runs["Wide"]->style.xScale(), 1.5, 1e-9);
  EXPECT_NEAR(runs["Wide"]->style.obliquingAngle(), OdaPI / 12.0, 1e-9);
  EXPECT_NEAR(runs["Red"]->style.xScale(), 1.0, 1e-9);
  EXPECT_NEAR(runs["Red"]->style.obliquingAngle(), 0.0, 1e-9);
  EXPECT_EQ(runs["Red"]->color.kind, 0u);
  EXPECT_EQ(runs["Red"]->color.index, 1u);
  // A true colour is written blue, green, red from the high byte: 0xF02010.
  EXPECT_EQ(runs["Blue"]->color.kind, 1u);
  EXPECT_EQ(runs["Blue"]->color.rgb, 0xF02010u);
  EXPECT_FALSE(runs["Base"]->color.kind == 0 && runs["Base"]->color.index == 1);
}

TEST(Merge, RotationAndNormalComeFromTheFirstText) {
  test_drawing d;
  OdDbTextPtr a = d.text(u"Turned", OdGePoint3d(0.0, 0.0, 0.0), 2.0, 0.5);
  OdDbMTextPtr m = merge({a}, d.db.get());
  EXPECT_NEAR(m->rotation(), 0.5, 1e-12);
  expect_point_near(m->location(), bounding_points(*a)[0], 1e-9, "location");
}

TEST(Merge, AnEmptyListFails) {
  test_drawing d;
  EXPECT_TRUE(merge({}, d.db.get()).isNull());
}

TEST(ContentColor, IndexColoursKeepTheirNumberByLayerIs256) {
  const mtext::color blue = content_color(OdCmEntityColor::fromIndex(5));
  EXPECT_EQ(blue.kind, 0u);
  EXPECT_EQ(blue.index, 5u);
  EXPECT_EQ(content_color(OdCmEntityColor()).index, 256u);
}

}  // namespace
