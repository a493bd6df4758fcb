// A drawing made in memory, never read from a file, is written as an R2000
// drawing that our reader and ezdxf read back with every object where it was.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDxfDocument.h"
#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;

struct DxfNewDrawing : ::testing::Test {
  scratch_dir dir;
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId model_text, paper_text, notes_mtext, notes_layer;

  OdDbObjectId add_text(const OdDbObjectId& space, const OdString& contents, const OdGePoint3d& at) {
    OdDbTextPtr text = OdDbText::createObject();
    text->setDatabaseDefaults(db.get());
    text->setTextString(contents);
    text->setHeight(2.0);
    text->setPosition(at);
    return OdDbBlockTableRecordPtr(space.openObject(OdDb::kForWrite))->appendOdDbEntity(text.get());
  }

  void SetUp() override {
    OdDbLayerTableRecordPtr layer = OdDbLayerTableRecord::createObject();
    layer->setName(u"Notes");
    notes_layer = db->layerTable()->add(layer.get());
    model_text = add_text(db->getModelSpaceId(), u"In model space", OdGePoint3d(1, 2, 0));
    paper_text = add_text(db->getPaperSpaceId(), u"In paper space", OdGePoint3d(3, 4, 0));
    OdDbMTextPtr mtext = OdDbMText::createObject();
    mtext->setDatabaseDefaults(db.get());
    mtext->setLayer(u"Notes");
    mtext->setContents(u"First\\PSecond");
    mtext->setTextHeight(3.0);
    mtext->setLocation(OdGePoint3d(10, 20, 0));
    notes_mtext = db->addEntity(mtext.get());
    db->setTEXTSIZE(3.5);
    odDxfWriteFile(db.get(), dir.file("new.dxf").string());
  }
};

TEST_F(DxfNewDrawing, EzdxfFindsEveryObject) {
  if (!have_ezdxf()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const std::string out = run_python(dir, R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for e in doc.modelspace():
    value = e.dxf.text if e.dxftype() == "TEXT" else e.dxf.char_height
    print("model", e.dxftype(), e.dxf.layer, value, sep="|")
paper = doc.block_records.get("*Paper_Space").dxf.handle
for e in doc.entitydb.values():
    if e.dxftype() == "TEXT" and e.dxf.owner == paper:
        print("paper", e.dxftype(), e.dxf.text, sep="|")
print("layers", sorted(layer.dxf.name for layer in doc.layers))
print("textsize", doc.header["$TEXTSIZE"])
print("audit", len(doc.audit().errors))
)", dir.file("new.dxf"));
  EXPECT_NE(out.find("model|TEXT|0|In model space\n"), std::string::npos) << out;
  EXPECT_NE(out.find("model|MTEXT|Notes|3.0\n"), std::string::npos) << out;
  EXPECT_NE(out.find("paper|TEXT|In paper space\n"), std::string::npos) << out;
  // ezdxf adds layers of its own ("Defpoints"); ours must be there.
  EXPECT_NE(out.find("'0'"), std::string::npos) << out;
  EXPECT_NE(out.find("'Notes'"), std::string::npos) << out;
  EXPECT_NE(out.find("textsize 3.5"), std::string::npos) << out;
  EXPECT_NE(out.find("audit 0\n"), std::string::npos) << out;
}

}  // namespace
