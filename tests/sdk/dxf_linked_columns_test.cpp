// MTEXT columns saved before R2018 live in one record per column: the first
// column's object holds the whole text, the later records stay tags, and
// once the object is written with new contents they are dropped while
// another MTEXT's column records stay.
#include <gtest/gtest.h>

#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;

const std::string kColumns = shared_dxf_dir() + "/ezdxf_mtext_columns_R2000.dxf";

std::vector<OdDbObjectId> mtexts_of(const OdDbDatabase& db) {
  std::vector<OdDbObjectId> ids;
  for (const OdDbObjectId& id : db.objectIds())
    if (id.peekObject()->isKindOf(OdDbMText::desc())) ids.push_back(id);
  return ids;
}

// Whether the bytes hold an entity record with this handle ("  5" then it).
bool has_record(const std::string& bytes, const std::string& handle) {
  return bytes.find("\n  5\n" + handle + "\n") != std::string::npos ||
         bytes.find("\r\n  5\r\n" + handle + "\r\n") != std::string::npos;
}

TEST(DxfLinkedColumns, LaterColumnsBelongToTheFirstColumnsObject) {
  OdDbDatabasePtr db = odDxfReadFile(kColumns);
  const std::vector<OdDbObjectId> ids = mtexts_of(*db);
  ASSERT_EQ(ids.size(), 3u);  // nine MTEXT records: three texts of three columns
  OdDbMText* first = static_cast<OdDbMText*>(ids[0].peekObject());
  EXPECT_EQ(first->getColumnCount(), 3);
  // The second and third columns' text follows the first's after column breaks.
  const std::u16string& text = first->contents().str();
  int breaks = 0;
  for (std::size_t at = text.find(u"\\N"); at != std::u16string::npos; at = text.find(u"\\N", at + 2)) ++breaks;
  EXPECT_GE(breaks, 2);
}

TEST(DxfLinkedColumns, AnEditedTextDropsOnlyItsOwnColumnRecords) {
  OdDbDatabasePtr db = odDxfReadFile(kColumns);
  const std::string before = read_bytes(kColumns);
  ASSERT_TRUE(has_record(before, "2E") && has_record(before, "2F") && has_record(before, "31"));

  OdDbObjectId first = mtexts_of(*db)[0];
  OdSmartPtr<OdDbMText> mtext(first.openObject(OdDb::kForWrite));
  const OdString edited = u"Edited" + mtext->contents().str();
  mtext->setContents(edited);

  const std::string after = odDxfWriteBytes(db.get());
  EXPECT_FALSE(has_record(after, "2E"));
  EXPECT_FALSE(has_record(after, "2F"));
  EXPECT_TRUE(has_record(after, "31")) << "another text's column record was dropped";

  OdDbDatabasePtr again = odDxfReadBytes(after);
  const std::vector<OdDbObjectId> ids = mtexts_of(*again);
  ASSERT_EQ(ids.size(), 3u);
  EXPECT_EQ(static_cast<OdDbMText*>(ids[0].peekObject())->contents(), edited);
}

}  // namespace
