// A drawing read, edited (a text erased, texts added to model space, paper
// space and a block, a text changed) and written: every other record comes
// back as read, the new ones where their owner's members are, $HANDSEED
// moves on, and ezdxf — an independent reader — accepts the result.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDxfDocument.h"
#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;
namespace fs = std::filesystem;

const std::string kDemo = std::string(CADTEXT_SOURCE_DIR) + "/samples/demo.dxf";

// Handle, owner handle and text of every TEXT, as ezdxf reads them.
const char* const kEzdxfTexts = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for e in doc.entitydb.values():
    if e.dxftype() == "TEXT":
        print(e.dxf.handle, e.dxf.owner, e.dxf.text, e.dxf.height, sep="|")
print("seed", doc.header["$HANDSEED"])
)";

OdDbObjectId first_text_in(const OdDbObjectId& block) {
  for (const OdDbObjectId& id : OdDbBlockTableRecordPtr(block.peekObject())->entityIds())
    if (id.peekObject()->isKindOf(OdDbText::desc()) && !id.isErased()) return id;
  return OdDbObjectId::kNull;
}

OdDbObjectId add_text(OdDbDatabase& db, const OdDbObjectId& block, const OdString& contents) {
  OdDbTextPtr text = OdDbText::createObject();
  text->setDatabaseDefaults(&db);
  text->setTextString(contents);
  text->setHeight(3.0);
  text->setPosition(OdGePoint3d(5, 6, 0));
  OdDbBlockTableRecordPtr owner(block.openObject(OdDb::kForWrite));
  return owner->appendOdDbEntity(text.get());
}

struct DxfEdit : ::testing::Test {
  scratch_dir dir;
  OdDbDatabasePtr db = odDxfReadFile(kDemo);
  OdDbHandle erased, model_text, paper_text, block_text;

  void SetUp() override {
    const OdDbObjectId victim = first_text_in(db->getModelSpaceId());
    ASSERT_TRUE(victim.isValid()) << "the demo drawing has a TEXT in model space";
    erased = victim.getHandle();
    victim.openObject(OdDb::kForWrite)->erase();
    model_text = add_text(*db, db->getModelSpaceId(), u"Added to model space").getHandle();
    paper_text = add_text(*db, db->getPaperSpaceId(), u"Added to paper space").getHandle();
    block_text = add_text(*db, db->blockTable()->getAt(u"TAG"), u"Added to a block").getHandle();
    odDxfWriteFile(db.get(), dir.file("out.dxf").string());
  }
};

TEST_F(DxfEdit, EzdxfReadsTheEditedDrawing) {
  if (!have_ezdxf()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const std::string out = run_python(dir, kEzdxfTexts, dir.file("out.dxf"));
  const OdDbObjectId tag_block = db->blockTable()->getAt(u"TAG");
  EXPECT_EQ(out.find(erased.ascii().toUtf8() + "|"), std::string::npos) << out;
  EXPECT_NE(out.find(model_text.ascii().toUtf8() + "|" + db->getModelSpaceId().getHandle().ascii().toUtf8() +
                     "|Added to model space|3.0"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(paper_text.ascii().toUtf8() + "|" + db->getPaperSpaceId().getHandle().ascii().toUtf8() +
                     "|Added to paper space|3.0"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find(block_text.ascii().toUtf8() + "|" + tag_block.getHandle().ascii().toUtf8() + "|Added to a block"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("seed " + db->handseed().ascii().toUtf8()), std::string::npos) << out;
}

TEST(DxfEditR12, ADrawingWithoutHandlesGetsNoneForNewTexts) {
  scratch_dir dir;
  const std::vector<std::pair<int, std::string>> r12 = {
      {0, "SECTION"}, {2, "HEADER"},   {9, "$ACADVER"}, {1, "AC1009"}, {9, "$HANDLING"}, {70, "0"},
      {0, "ENDSEC"},  {0, "SECTION"},  {2, "ENTITIES"}, {0, "TEXT"},   {8, "0"},          {10, "1.0"},
      {20, "2.0"},    {30, "0.0"},     {40, "2.5"},     {1, "Old"},    {0, "ENDSEC"},     {0, "EOF"}};
  write_bytes(dir.file("in.dxf"), dxf_text(r12));
  OdDbDatabasePtr db = odDxfReadFile(dir.file("in.dxf").string());
  add_text(*db, db->getModelSpaceId(), u"New");
  odDxfWriteFile(db.get(), dir.file("out.dxf").string());
  OdDbDatabasePtr after = odDxfReadFile(dir.file("out.dxf").string());
  const auto& entities = after->dxfDocument()->section("ENTITIES")->records;
  ASSERT_EQ(entities.size(), 2u);
  EXPECT_EQ(entities[1].kind(), "TEXT");
  for (const od_dxf_record& record : entities) EXPECT_EQ(od_dxf_find(record.tags, 5), nullptr);
  const std::string old_text = dxf_text({r12.begin() + 9, r12.begin() + 16});
  EXPECT_NE(read_bytes(dir.file("out.dxf")).find(old_text), std::string::npos);
  if (!have_ezdxf()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const std::string out = run_python(dir, kEzdxfTexts, dir.file("out.dxf"));
  EXPECT_NE(out.find("|Old|2.5"), std::string::npos) << out;
  EXPECT_NE(out.find("|New|3.0"), std::string::npos) << out;
}

}  // namespace

namespace {

TEST(DxfEditTables, ANewLayerGoesBeforeItsTablesEndAndIsCounted) {
  const auto layer_count = [](const OdDbDatabase& db) {
    for (const od_dxf_record& r : db.dxfDocument()->section("TABLES")->records)
      if (r.kind() == "TABLE" && od_dxf_find(r.tags, 2)->value == "LAYER") return od_dxf_find(r.tags, 70)->value;
    return std::string("(no layer table)");
  };
  OdDbDatabasePtr db = odDxfReadFile(kDemo);
  const int layers = std::stoi(layer_count(*db));
  OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
  layer->setName(u"Added");
  const OdDbHandle handle = db->layerTable()->add(layer.get()).getHandle();
  OdDbDatabasePtr after = odDxfReadBytes(odDxfWriteBytes(db.get()));
  EXPECT_EQ(after->layerTable()->getAt(u"Added").getHandle(), handle);
  const auto& tables = after->dxfDocument()->section("TABLES")->records;
  const auto at = std::find_if(tables.begin(), tables.end(),
                               [&](const od_dxf_record& r) { return od_dxf_record_handle(r.tags) == handle; });
  ASSERT_NE(at, tables.end());
  EXPECT_EQ((at + 1)->kind(), "ENDTAB");
  EXPECT_EQ(layer_count(*after), std::to_string(layers + 1));
}

}  // namespace
