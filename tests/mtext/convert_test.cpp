#include <gtest/gtest.h>

#include "describe.h"
#include "mtext/convert.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdGiRecorder.h"

#include <array>

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

// A DXF MText may leave out its style (group 7, as samples/demo.dxf's "Bottom
// right" does); it is drawn in the drawing's Standard style, and so it is edited.
TEST(DefaultFormat, NoStyleMeansTheDrawingsStandardStyle) {
  drawing d;
  auto m = d.mtext(u"x");
  m->setTextStyle(OdDbObjectId());
  const OdGiTextStyle style = default_mtext_format(m).style;
  const std::string drawn = format::font_of(giEntityTextStyle(OdDbObjectId(), d.database.get(), 2.5)).name.str().toUtf8();
  EXPECT_EQ(style.styleName().toUtf8(), "Standard");
  EXPECT_EQ(format::font_of(style).name.str().toUtf8(), drawn);
  EXPECT_FALSE(drawn.empty());
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

// Every attachment, with no frame height of its own: the text is drawn
// inside the box the attachment places (a bottom one once drew a box-height
// above it), and its lines start at the box's left edge.
TEST(Draw, TheTextLiesInTheBoxItsAttachmentPlaces) {
  install_layout_provider();
  for (const auto attachment : {OdDbMText::kTopLeft, OdDbMText::kMiddleCenter, OdDbMText::kBottomRight}) {
    drawing d;
    const OdSmartPtr<OdDbMText> m = d.mtext(u"Abc\\PAbcdef", 2.5, 40.0);
    m->setAttachment(attachment);
    m->setLocation(OdGePoint3d(100.0, 50.0, 0.0));
    std::array<OdGePoint3d, 4> box;
    m->getBoundingPoints(box);
    const double left = std::min(box[0].x, box[2].x), bottom = std::min(box[0].y, box[2].y);
    const double top = std::max(box[0].y, box[2].y);
    OdGiRecorder recorder;
    recorder.draw(m.get());
    double lowest = 1e9, highest = -1e9, leftmost = 1e9;
    for (const od_gi_primitive& p : recorder.primitives()) {
      if (!p.text) continue;
      lowest = std::min(lowest, p.text->position.y);
      highest = std::max(highest, p.text->position.y);
      leftmost = std::min(leftmost, p.text->position.x);
    }
    EXPECT_GT(lowest, bottom) << attachment;
    EXPECT_LT(highest + 2.5, top + 0.5) << attachment;
    EXPECT_NEAR(leftmost, left, 0.5) << attachment;
  }
}
