// Fields added since reading are tied to their texts through extension
// dictionaries, so our reader and ezdxf find them again; R12 drawings,
// which cannot hold fields, still save.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDxfDocument.h"
#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;

const std::string kDemo = std::string(CADTEXT_SOURCE_DIR) + "/samples/demo.dxf";

void give_field(OdDbObject& text, const OdString& code) {
  OdDbFieldPtr field = OdDbField::createObject();
  field->setFieldCode(code);
  text.setField(u"TEXT", field.get());
}

OdDbObjectId first_text(const OdDbDatabase& db) {
  for (const OdDbObjectId& id : OdDbBlockTableRecordPtr(db.getModelSpaceId().peekObject())->entityIds())
    if (id.peekObject()->isA() == OdDbText::desc()) return id;
  return OdDbObjectId::kNull;
}

struct DxfFieldLink : ::testing::Test {
  scratch_dir dir;
  OdDbDatabasePtr db = odDxfReadFile(kDemo);
  OdDbHandle new_mtext, old_text;

  void SetUp() override {
    OdDbMTextPtr mtext = OdDbMText::createObject();
    mtext->setDatabaseDefaults(db.get());
    mtext->setContents(u"Drawing name");
    new_mtext = db->addEntity(mtext.get()).getHandle();
    give_field(*mtext, u"%<\\AcVar Filename>%");
    const OdDbObjectId text = first_text(*db);
    ASSERT_TRUE(text.isValid());
    old_text = text.getHandle();
    give_field(*text.openObject(OdDb::kForWrite), u"%<\\AcVar Date>%");
    odDxfWriteFile(db.get(), dir.file("out.dxf").string());
  }
};

TEST_F(DxfFieldLink, EzdxfFollowsTheDictionariesToTheFields) {
  if (!have_ezdxf()) GTEST_SKIP() << "python3 with ezdxf is not installed";
  const std::string out = run_python(dir, R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
for e in doc.modelspace():
    if e.has_extension_dict:
        xdict = e.get_extension_dict()
        fields = xdict["ACAD_FIELD"]
        field = fields["TEXT"]
        print(e.dxf.handle, field.dxftype(), field.dxf.owner == fields.dxf.handle,
              fields.dxf.owner == xdict.dictionary.dxf.handle, xdict.dictionary.dxf.owner == e.dxf.handle)
auditor = doc.audit()
print("audit", len(auditor.errors))
)", dir.file("out.dxf"));
  EXPECT_NE(out.find(new_mtext.ascii().toUtf8() + " FIELD True True True\n"), std::string::npos) << out;
  EXPECT_NE(out.find(old_text.ascii().toUtf8() + " FIELD True True True\n"), std::string::npos) << out;
  EXPECT_NE(out.find("audit 0\n"), std::string::npos) << out;
}

TEST(DxfFieldLinkR12, AFieldOnAnR12TextDoesNotStopSaving) {
  scratch_dir dir;
  const std::string r12 = dxf_text({{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"}, {1, "AC1009"}, {0, "ENDSEC"},
                                    {0, "SECTION"}, {2, "ENTITIES"}, {0, "TEXT"}, {8, "0"}, {10, "1.0"},
                                    {20, "2.0"}, {30, "0.0"}, {40, "2.5"}, {1, "Old"}, {0, "ENDSEC"}, {0, "EOF"}});
  OdDbDatabasePtr db = odDxfReadBytes(r12);
  const OdDbObjectId text = first_text(*db);
  ASSERT_TRUE(text.isValid());
  give_field(*text.openObject(OdDb::kForWrite), u"%<\\AcVar Date>%");
  EXPECT_EQ(odDxfWriteBytes(db.get()), r12);
}

}  // namespace
