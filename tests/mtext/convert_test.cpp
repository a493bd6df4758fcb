#include <gtest/gtest.h>

#include "describe.h"
#include "mtext/convert.h"
#include "mtext/serialize.h"

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

}  // namespace
