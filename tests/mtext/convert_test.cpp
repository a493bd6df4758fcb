#include <gtest/gtest.h>

#include "describe.h"
#include "mtext/convert.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbSymbolTable.h"

namespace {

using namespace mtext;

struct drawing {
  OdDbDatabasePtr database = OdDbDatabase::createObject();

  OdSmartPtr<OdDbMText> mtext(const char16_t* contents, double text_height = 2.5, double width = 0.0) {
    OdSmartPtr<OdDbMText> m = OdDbMText::createObject();
    m->setDatabaseDefaults(database.get());
    m->setContents(contents);
    m->setTextHeight(text_height);
    m->setWidth(width);
    database->addEntity(m.get());
    return m;
  }
};

TEST(Decode, NullObjectGivesAnEmptyText) {
  const geom_multitext text = decode(OdSmartPtr<OdDbMText>());
  EXPECT_TRUE(text.parts.empty());
  EXPECT_TRUE(text.lines.empty());
}

TEST(ConvertInfo, WithoutColumnsTheFrameIsOneColumn) {
  drawing d;
  auto m = d.mtext(u"x", 2.5, 50.0);
  m->setHeight(20.0);
  const convert_info info = mtext_convert_info(m);
  EXPECT_EQ(info.column_kind, columns_static);
  EXPECT_DOUBLE_EQ(info.column_width, 50.0);
  EXPECT_DOUBLE_EQ(info.gutter, 10.0);
  EXPECT_EQ(info.column_heights, std::vector<double>{20.0});
  EXPECT_EQ(info.line_spacing_style, 3u);
  EXPECT_EQ(info.layout_mode, 0u);
}

TEST(ConvertInfo, ColumnKinds) {
  drawing d;
  auto m = d.mtext(u"x");
  m->setHeight(30.0);
  m->setStaticColumns(40.0, 5.0, 3);
  convert_info info = mtext_convert_info(m);
  EXPECT_EQ(info.column_kind, columns_static);
  EXPECT_DOUBLE_EQ(info.column_width, 40.0);
  EXPECT_DOUBLE_EQ(info.gutter, 5.0);
  EXPECT_EQ(info.column_heights, (std::vector<double>{30.0, 30.0, 30.0}));

  m->setDynamicColumns(40.0, 5.0, true);
  info = mtext_convert_info(m);
  EXPECT_EQ(info.column_kind, columns_dynamic_auto);
  EXPECT_EQ(info.column_heights, std::vector<double>{30.0});

  m->setDynamicColumns(40.0, 5.0, false);
  m->setColumnCount(4);
  const double heights[] = {10.0, 0.0, 5.0, 0.0};
  for (int i = 0; i < 4; ++i) m->setColumnHeight(i, heights[i]);
  info = mtext_convert_info(m);
  EXPECT_EQ(info.column_kind, columns_dynamic_manual);
  EXPECT_EQ(info.column_heights, (std::vector<double>{10.0, 0.0, 5.0})) << "trailing zero heights go";
}

TEST(ConvertInfo, TextHeightZeroBecomesTheDefault) {
  drawing d;
  auto m = d.mtext(u"x");
  m->setTextHeight(1e-11);  // as good as zero; the object refuses zero itself
  EXPECT_DOUBLE_EQ(mtext_convert_info(m).text_height, 2.5);
}

TEST(ConvertInfo, AttachmentGivesTheAlignments) {
  drawing d;
  auto m = d.mtext(u"x");
  const std::uint32_t horizontal[] = {1, 2, 3, 1, 2, 3, 1, 2, 3};
  const std::uint32_t vertical[] = {0, 0, 0, 1, 1, 1, 2, 2, 2};
  for (int a = 1; a <= 9; ++a) {
    m->setAttachment(static_cast<OdDbMText::AttachmentPoint>(a));
    EXPECT_EQ(mtext_convert_info(m).horizontal, horizontal[a - 1]) << a;
    EXPECT_EQ(mtext_convert_info(m).vertical, vertical[a - 1]) << a;
  }
}

TEST(DefaultFormat, TheObjectsStyleAtItsHeight) {
  drawing d;
  auto m = d.mtext(u"x", 3.5);
  const format::string f = default_mtext_format(m);
  EXPECT_DOUBLE_EQ(f.height, 3.5);
  EXPECT_DOUBLE_EQ(f.style.textSize(), 3.5);
  EXPECT_EQ(f.color.kind, 1u);
  EXPECT_EQ(f.color.rgb, 0xFFFFFFFFu);
  const format::font_in_force font = format::font_of(f.style);
  EXPECT_TRUE(font.shx) << "Standard draws in the shape font txt";
  EXPECT_EQ(font.name, OdString(u"txt"));
}

TEST(DefaultFormat, AStyleThatIsNoTextStyleIsRefused) {
  drawing d;
  auto m = d.mtext(u"x");
  m->setTextStyle(d.database->getLayerZeroId());
  EXPECT_THROW(default_mtext_format(m), OdError_NotThatKindOfClass);
  EXPECT_THROW(decode(m), OdError_NotThatKindOfClass);
}

TEST(Decode, TextFieldReplacesTheContents) {
  drawing d;
  auto m = d.mtext(u"stale");
  OdDbFieldPtr f = OdDbField::createObject();
  f->setFieldCode(u"\\AcVar Filename");
  m->setField(u"TEXT", f.get());
  const geom_multitext text = decode(m);
  ASSERT_EQ(text.marks.size(), 1u);
  EXPECT_NE(dynamic_cast<const marks::field*>(&text.marks[0]), nullptr);
}

TEST(Decode, LaysTheObjectOut) {
  drawing d;
  auto m = d.mtext(u"one two three four five six", 2.5, 20.0);
  const geom_multitext text = decode(m);
  EXPECT_EQ(text.parts.size(), 27u);
  EXPECT_GT(text.lines.size(), 1u) << "wrapped at the width";
  EXPECT_DOUBLE_EQ(text.info.column_width, 20.0);
}

TEST(Encode, DecodedTextWritesBackTheSameRuns) {
  drawing d;
  const char16_t* contents[] = {u"plain text", u"{\\H2x;big} {\\C1;red} \\Lunder\\l done",
                                u"\\pxi-3,l3,t3;1.\titem\\P2.\titem", u"a{\\H0.7x;\\S1/2;}b",
                                u"x%<\\AcVar Filename>%y"};
  for (const char16_t* content : contents) {
    auto m = d.mtext(content);
    const format::string base = default_mtext_format(m);
    const std::u16string written = encode(decode(m), base, 1.0);
    EXPECT_EQ(mtext_test::describe(mtext_test::parsed(written, base)),
              mtext_test::describe(mtext_test::parsed(content, base)))
        << mtext_test::utf8(content);
    EXPECT_EQ(mtext_test::utf8(serialize(mtext_test::parsed(written, base), base, 1.0)), mtext_test::utf8(written));
  }
}

TEST(LayoutProvider, ObjectsAreSizedByTheLayout) {
  install_layout_provider();
  drawing d;
  auto m = d.mtext(u"short\\Pa much longer line", 2.5, 0.0);
  const geom_multitext text = decode(m);
  const line_record& longer = text.lines.at(1);
  EXPECT_NEAR(m->actualWidth(), longer.x + longer.advance - text.lines[0].x, 1e-9);
  EXPECT_NEAR(m->actualHeight(), text.columns.at(0).height, 1e-9);
}

}  // namespace
