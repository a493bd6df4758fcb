// Reading records of text objects into the model: every field of every kind,
// object coordinates, encodings and both stored forms of MTEXT columns.
#include <gtest/gtest.h>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "tests/sdk/dxf_test_records.h"

namespace {

constexpr double kDeg = OdaPI / 180.0;

struct DxfRead : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId mine;

  void SetUp() override {
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
    style->setName(u"Mine");
    mine = db->textStyleTable()->add(style.get());
  }
  OdDxfContext context(int version) {
    OdDxfContext c;
    c.database = db.get();
    c.version = version;
    return c;
  }
  template <class T>
  OdSmartPtr<T> read(const std::string& snippet, int version) {
    OdDbObjectPtr object = odDxfObjectFromTags(dxf_test_tags(snippet), context(version));
    EXPECT_TRUE(object) << snippet;
    return OdSmartPtr<T>(T::cast(object.get()));
  }
};

void expect_point(const OdGePoint3d& actual, const OdGePoint3d& expected, const char* what) {
  EXPECT_NEAR(actual.x, expected.x, 1e-12) << what;
  EXPECT_NEAR(actual.y, expected.y, 1e-12) << what;
  EXPECT_NEAR(actual.z, expected.z, 1e-12) << what;
}

// Normal -Z: the object x axis is Wy x N = -Wx, y is N x Ax = Wy, so the
// object point (x, y, z) is the world point (-x, y, -z).
TEST_F(DxfRead, TextEveryFieldAndObjectCoordinates) {
  const auto text = read<OdDbText>(
      "0|TEXT\n5|2A\n330|1F\n100|AcDbEntity\n8|Notes\n62|3\n100|AcDbText\n10|1.0\n20|2.0\n30|3.0\n40|2.5\n"
      "1|Hello ^ world\n50|30.0\n41|0.8\n51|15.0\n7|MINE\n71|2\n72|1\n11|4.0\n21|5.0\n31|3.0\n"
      "210|0.0\n220|0.0\n230|-1.0\n100|AcDbText\n73|2\n",
      1015);
  EXPECT_EQ(text->textString(), OdString(u"Hello ^world"));
  EXPECT_EQ(text->height(), 2.5);
  EXPECT_EQ(text->widthFactor(), 0.8);
  EXPECT_NEAR(text->rotation(), 30 * kDeg, 1e-15);
  EXPECT_NEAR(text->oblique(), 15 * kDeg, 1e-15);
  EXPECT_EQ(text->textStyle(), mine);
  EXPECT_TRUE(text->isMirroredInX());
  EXPECT_FALSE(text->isMirroredInY());
  EXPECT_EQ(text->horizontalMode(), kTextCenter);
  EXPECT_EQ(text->verticalMode(), kTextVertMid);
  expect_point(OdGePoint3d(text->normal().x, text->normal().y, text->normal().z), {0, 0, -1}, "normal");
  expect_point(text->position(), {-1, 2, -3}, "position");
  expect_point(text->alignmentPoint(), {-4, 5, -3}, "alignment");
  EXPECT_EQ(text->layer(), OdString(u"Notes"));
  EXPECT_EQ(text->colorIndex(), 3);
}

struct columns_row {
  OdDbMText::ColumnType type;
  bool autoHeight;
  double definedHeight;
  std::vector<double> heights;
  std::size_t contentLength;  // characters, as ezdxf counts them for all columns
};

// The three column layouts of ezdxf's example drawing, saved as R2000
// (extended data and linked records), R2007 (the same) and R2018 (embedded object).
const columns_row kColumns[] = {
    {OdDbMText::kStaticColumns, false, 100.0, {}, 1316},
    {OdDbMText::kDynamicColumns, true, 50.0, {}, 1775},
    {OdDbMText::kDynamicColumns, false, 0.0, {20.0, 30.0, 0.0}, 1775},
};

bool has_column_info(const OdDxfTags& record) {
  for (const OdDxfTag& tag : record)
    if (tag.code == 101 || tag.value == "ACAD_MTEXT_COLUMN_INFO_BEGIN") return true;
  return false;
}

TEST_F(DxfRead, MTextColumnsInBothFormsAgree) {
  std::vector<OdString> contents[3];
  for (const char* name : {"ezdxf_mtext_columns_R2000.dxf", "ezdxf_mtext_columns_R2007.dxf", "ezdxf_mtext_columns_R2018.dxf"}) {
    const dxf_test_file file = dxf_test_read(name);
    std::size_t row = 0;
    for (const OdDxfTags* record : file.ofType("MTEXT")) {
      if (!has_column_info(*record)) continue;
      ASSERT_LT(row, 3u) << name;
      const columns_row& want = kColumns[row];
      const auto mtext = OdDbMText::cast(odDxfObjectFromTags(*record, file.context(db.get())).get());
      SCOPED_TRACE(std::string(name) + " column layout " + std::to_string(row));
      EXPECT_EQ(mtext->getColumnType(), want.type);
      EXPECT_EQ(mtext->getColumnCount(), 3);
      EXPECT_EQ(mtext->getColumnWidth(), 20.0);
      EXPECT_EQ(mtext->getColumnGutterWidth(), 1.0);
      EXPECT_EQ(mtext->getColumnAutoHeight(), want.autoHeight);
      EXPECT_EQ(mtext->height(), want.definedHeight);
      for (std::size_t i = 0; i < want.heights.size(); ++i)
        EXPECT_EQ(mtext->getColumnHeight(static_cast<int>(i)), want.heights[i]);
      EXPECT_EQ(static_cast<std::size_t>(mtext->contents().getLength()), want.contentLength);
      contents[row].push_back(mtext->contents());
      ++row;
    }
    EXPECT_EQ(row, 3u) << name;
  }
  for (const auto& same : contents)
    for (const OdString& text : same) EXPECT_EQ(text, same.front());
}

TEST_F(DxfRead, StyleWithFontDataAndShapeFile) {
  const auto style = read<OdDbTextStyleTableRecord>(
      "0|STYLE\n5|11\n100|AcDbSymbolTableRecord\n100|AcDbTextStyleTableRecord\n2|Swiss\n70|0\n40|2.0\n41|0.9\n"
      "50|12.0\n71|0\n42|3.5\n3|arial.ttf\n4|\n1001|ACAD\n1000|Arial\n1071|50331682\n",
      1015);
  EXPECT_EQ(style->getName(), OdString(u"Swiss"));
  EXPECT_EQ(style->textSize(), 2.0);
  EXPECT_EQ(style->xScale(), 0.9);
  EXPECT_NEAR(style->obliquingAngle(), 12 * kDeg, 1e-15);
  EXPECT_EQ(style->priorSize(), 3.5);
  EXPECT_EQ(style->fileName(), OdString(u"arial.ttf"));
  OdString typeface;
  bool bold = false, italic = false;
  int charset = -1, pitch = -1;
  style->font(typeface, bold, italic, charset, pitch);
  // 50331682 = 0x03000022: bold and italic, ANSI charset, variable pitch swiss family.
  EXPECT_EQ(typeface, OdString(u"Arial"));
  EXPECT_TRUE(bold);
  EXPECT_TRUE(italic);
  EXPECT_EQ(charset, 0);
  EXPECT_EQ(pitch, 0x22);
  EXPECT_FALSE(style->isShapeFile());
  const auto shapes = read<OdDbTextStyleTableRecord>("0|STYLE\n2|\n70|1\n3|ltypeshp.shx\n", 1009);
  EXPECT_TRUE(shapes->isShapeFile());
}

TEST_F(DxfRead, MLeaderTextContentFromTheContextGroup) {
  const dxf_test_file file = dxf_test_read("libredwg_example_2000.dxf");
  const auto records = file.ofType("MULTILEADER");
  ASSERT_EQ(records.size(), 1u);
  const auto leader = OdDbMLeader::cast(odDxfObjectFromTags(*records[0], file.context(db.get())).get());
  ASSERT_EQ(leader->contentType(), OdDbMLeader::kMTextContent);
  const OdDbMTextPtr text = leader->mtext();
  EXPECT_EQ(text->contents(), OdString(u"xx\\P\\pxt1;xx"));
  EXPECT_EQ(text->textHeight(), 4.0);
  expect_point(text->location(), {-2237.1284406528, 609.2183823688756, 0.0}, "text location");
  EXPECT_EQ(leader->layer(), OdString(u"Tavolo 3"));
}

// Values the model refuses keep the model's default; the rest of the record still reads.
TEST_F(DxfRead, BadValuesKeepDefaultsAndLoseNothingElse) {
  const auto text = read<OdDbText>(
      "0|TEXT\n8|0\n10|1\n20|2\n30|0\n40|abc\n1|still here\n41|0\n72|9\n210|0\n220|0\n230|0\n73|7\n", 1009);
  EXPECT_EQ(text->textString(), OdString(u"still here"));
  EXPECT_EQ(text->height(), 2.5);
  EXPECT_EQ(text->widthFactor(), 1.0);
  EXPECT_EQ(text->horizontalMode(), kTextLeft);
  EXPECT_EQ(text->verticalMode(), kTextBase);
  EXPECT_EQ(text->normal(), OdGeVector3d::kZAxis);
  expect_point(text->position(), {1, 2, 0}, "position");
  const auto mtext = read<OdDbMText>(
      "0|MTEXT\n100|AcDbMText\n10|0\n20|0\n40|0\n41|-3\n71|25\n1|kept\n44|9.0\n45|0.5\n11|0\n21|0\n31|0\n", 1021);
  EXPECT_EQ(mtext->contents(), OdString(u"kept"));
  EXPECT_EQ(mtext->textHeight(), 2.5);
  EXPECT_EQ(mtext->width(), 0.0);
  EXPECT_EQ(mtext->attachment(), OdDbMText::kTopLeft);
  EXPECT_EQ(mtext->lineSpacingFactor(), 1.0);
  EXPECT_EQ(mtext->getBackgroundScaleFactor(), 1.5);
  EXPECT_NEAR(mtext->rotation(), 0.0, 1e-15);
}

}  // namespace
