// New records checked by an independent reader: ezdxf loads a drawing made
// of its own skeleton plus our records and reports what it read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "tests/sdk/dxf_test_records.h"

namespace {

namespace fs = std::filesystem;

// An empty drawing of a version with a text style "Mine".
std::string skeleton_script(const std::string& version) {
  return "import sys, ezdxf\ndoc = ezdxf.new('" + version +
         "')\ndoc.styles.new('Mine', dxfattribs={'font': 'DejaVuSans.ttf'})\ndoc.saveas(sys.argv[1])\n";
}

// Reports every TEXT and MTEXT of model space, one line each, and the audit's error count.
const char* const kReport = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
print('errors', len(auditor.errors))
for e in doc.modelspace():
    t = e.dxftype()
    if t == 'MTEXT':
        c = e.columns
        cols = (int(c.column_type), c.count, c.width, c.gutter_width, c.heights) if c else None
        print('MTEXT', repr(e.plain_text()), e.dxf.style, e.dxf.char_height, e.dxf.attachment_point, repr(cols))
    elif t == 'TEXT':
        print('TEXT', repr(e.dxf.text), e.dxf.style, e.dxf.height, e.dxf.halign, e.dxf.valign)
)";

struct DxfEzdxf : ::testing::Test {
  dxf_test::scratch_dir dir;
  void SetUp() override {
    if (!dxf_test::have_ezdxf()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  }

  // ezdxf's skeleton with our records put at the end of its ENTITIES section.
  std::string report(const std::string& version, int acadver, const std::vector<const OdDbObject*>& objects,
                     OdDbDatabase* db) {
    const fs::path skeleton = dir.file("skeleton.dxf"), drawing = dir.file("drawing.dxf");
    dxf_test::run_python(dir, skeleton_script(version), skeleton);
    const dxf_test_file file = dxf_test_parse(dxf_test::read_bytes(skeleton));
    std::string modelSpace;
    for (const OdDxfTags* record : file.ofType("BLOCK_RECORD"))
      for (const OdDxfTag& tag : *record)
        if (tag.code == 2 && tag.value == "*Model_Space") modelSpace = (*record)[1].value;
    OdDxfContext context;
    context.database = db;
    context.version = acadver;
    std::ofstream out(drawing);
    bool inEntities = false;
    for (const OdDxfTags& record : file.records) {
      if (record[0].value == "SECTION" && record.size() > 1 && record[1].value == "ENTITIES") inEntities = true;
      if (inEntities && record[0].value == "ENDSEC") {
        for (const OdDbObject* object : objects)
          for (OdDxfTag tag : odDxfTagsFromObject(*object, {}, context)) {
            if (tag.code == 330) tag.value = modelSpace;  // the skeleton's model space owns them
            out << tag.code << "\n" << tag.value << "\n";
          }
        inEntities = false;
      }
      for (const OdDxfTag& tag : record) out << tag.code << "\n" << tag.value << "\n";
    }
    out.close();
    return dxf_test::run_python(dir, kReport, drawing);
  }
};

TEST_F(DxfEzdxf, NewMTextAndTextAreReadBackByEzdxf) {
  struct row { const char* name; int acadver; };
  for (const row& r : {row{"R2000", 1015}, row{"R2007", 1021}, row{"R2018", 1032}}) {
    OdDbDatabasePtr db = OdDbDatabase::createObject();
    db->setHandseed(OdDbHandle(0x10000));  // clear of the skeleton's handles
    OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
    style->setName(u"Mine");
    const OdDbObjectId mine = db->textStyleTable()->add(style.get());
    OdDbMTextPtr mtext = OdDbMText::createObject();
    mtext->setContents(u"caf\u00E9 ^\\Pnext");
    mtext->setTextHeight(0.75);
    mtext->setTextStyle(mine);
    mtext->setAttachment(OdDbMText::kMiddleRight);
    mtext->setDynamicColumns(10.0, 1.5, false);
    mtext->setColumnCount(2);
    mtext->setColumnHeight(0, 7.0);
    db->addEntity(mtext.get());
    OdDbTextPtr text = OdDbText::createObject();
    text->setTextString(u"\u00C5 line");
    text->setHeight(1.25);
    text->setTextStyle(mine);
    text->setHorizontalMode(kTextCenter);
    text->setVerticalMode(kTextTop);
    db->addEntity(text.get());
    const std::string output = report(r.name, r.acadver, {mtext.get(), text.get()}, db.get());
    SCOPED_TRACE(std::string(r.name) + ":\n" + output);
    EXPECT_NE(output.find("errors 0\n"), std::string::npos);
    // Before R2007 the accent travels as an escape that the content keeps;
    // ezdxf's plain text undoes the caret and turns \P into a line feed.
    const std::string contents = r.acadver < 1021 ? "'caf\\\\U+00E9 ^\\nnext'" : "'caf\xC3\xA9 ^\\nnext'";
    EXPECT_NE(output.find("MTEXT " + contents + " Mine 0.75 6 (2, 2, 10.0, 1.5, [7.0, 0.0])\n"), std::string::npos);
    const std::string line = r.acadver < 1021 ? "'\\\\U+00C5 line'" : "'\xC3\x85 line'";
    EXPECT_NE(output.find("TEXT " + line + " Mine 1.25 1 3\n"), std::string::npos);
  }
}

// R12 has no subclass markers and no owners; TEXT is the only text it knows.
TEST_F(DxfEzdxf, NewR12TextIsReadBackByEzdxf) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  db->setHandseed(OdDbHandle(0x10000));
  OdDbTextStyleTableRecordPtr style = OdDbTextStyleTableRecord::createObject();
  style->setName(u"Mine");
  const OdDbObjectId mine = db->textStyleTable()->add(style.get());
  OdDbTextPtr text = OdDbText::createObject();
  text->setTextString(u"r12 ^ text");
  text->setHeight(2.0);
  text->setTextStyle(mine);
  text->setHorizontalMode(kTextRight);
  text->setAlignmentPoint(OdGePoint3d(5, 5, 0));
  db->addEntity(text.get());
  const std::string output = report("R12", 1009, {text.get()}, db.get());
  SCOPED_TRACE(output);
  EXPECT_NE(output.find("errors 0\n"), std::string::npos);
  // ezdxf keeps TEXT values raw: the caret travels as "^ ".
  EXPECT_NE(output.find("TEXT 'r12 ^  text' Mine 2.0 2 0\n"), std::string::npos);
}

}  // namespace
