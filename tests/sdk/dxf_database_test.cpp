// What a DXF drawing puts into the database: header variables, the file's
// own handles for tables, blocks and spaces, and a handle seed above them;
// header variables the module changes are written back, nothing else moves.
#include <gtest/gtest.h>

#include <functional>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDxfDocument.h"
#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;
using tag_list = std::vector<std::pair<int, std::string>>;

tag_list header(const tag_list& variables) {
  tag_list tags = {{0, "SECTION"}, {2, "HEADER"}};
  tags.insert(tags.end(), variables.begin(), variables.end());
  tags.push_back({0, "ENDSEC"});
  return tags;
}

tag_list operator+(tag_list a, const tag_list& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const tag_list kR2000Header = header({{9, "$ACADVER"},    {1, "AC1015"},    {9, "$HANDSEED"},    {5, "2A"},
                                      {9, "$TEXTSIZE"},   {40, "3.5"},      {9, "$TEXTSTYLE"},   {7, "Notes"},
                                      {9, "$DIMSCALE"},   {40, "10.0"},     {9, "$LUPREC"},      {70, "     2"},
                                      {9, "$DWGCODEPAGE"}, {3, "ANSI_1252"}, {9, "$INSUNITS"},   {70, "4"}});

const tag_list kBlockRecords = {
    {0, "SECTION"},      {2, "TABLES"},  {0, "TABLE"},        {2, "BLOCK_RECORD"}, {5, "1"},
    {70, "3"},           {0, "BLOCK_RECORD"}, {5, "1F"},     {2, "*Model_Space"}, {0, "BLOCK_RECORD"},
    {5, "1B"},           {2, "*Paper_Space"}, {0, "BLOCK_RECORD"}, {5, "20"},     {2, "Door"},
    {0, "ENDTAB"},       {0, "ENDSEC"},
};

const tag_list kDoorBlock = {{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"},  {5, "21"},     {330, "20"}, {2, "Door"},
                             {0, "ENDBLK"},  {5, "22"},     {330, "20"},   {0, "ENDSEC"}};

const tag_list kEnd = {{0, "SECTION"}, {2, "ENTITIES"}, {0, "ENDSEC"}, {0, "EOF"}};

struct DxfDatabase : ::testing::Test {
  scratch_dir dir;
  OdDbDatabasePtr read(const tag_list& tags) {
    write_bytes(dir.file("in.dxf"), dxf_text(tags));
    return odDxfReadFile(dir.file("in.dxf").string());
  }
};

TEST_F(DxfDatabase, DuplicateHandlesInAFileStillRoundTrip) {
  tag_list twice = kBlockRecords;
  for (auto& [code, value] : twice)
    if (value == "20") value = "1F";  // "Door" takes the model space's handle
  OdDbDatabasePtr db = read(kR2000Header + twice + kEnd);
  EXPECT_EQ(std::uint64_t(db->getModelSpaceId().getHandle()), 0x1Fu);
  const OdDbObjectId door = db->blockTable()->getAt(u"Door");
  ASSERT_TRUE(door.isValid());
  EXPECT_NE(door, db->getModelSpaceId());
  odDxfWriteFile(db.get(), dir.file("out.dxf").string());
  EXPECT_EQ(read_bytes(dir.file("out.dxf")), dxf_text(kR2000Header + twice + kEnd));
}

struct changed_variable {
  const char* name;
  std::function<void(OdDbDatabase&)> change;
  std::string from, to;  // the value line before and after
};

class ChangedHeaderVariable : public DxfDatabase, public ::testing::WithParamInterface<changed_variable> {};

TEST_P(ChangedHeaderVariable, IsWrittenBackAndNothingElseMoves) {
  OdDbDatabasePtr db = read(kR2000Header + kEnd);
  GetParam().change(*db);
  odDxfWriteFile(db.get(), dir.file("out.dxf").string());
  std::string expected = dxf_text(kR2000Header + kEnd);
  const std::size_t at = expected.find("\n" + GetParam().from + "\n");
  ASSERT_NE(at, std::string::npos);
  expected.replace(at + 1, GetParam().from.size(), GetParam().to);
  EXPECT_EQ(read_bytes(dir.file("out.dxf")), expected);
  OdDbDatabasePtr again = odDxfReadFile(dir.file("out.dxf").string());
  EXPECT_EQ(again->getSysVar(OdString::fromUtf8(GetParam().name)).getDouble(),
            db->getSysVar(OdString::fromUtf8(GetParam().name)).getDouble());
}

INSTANTIATE_TEST_SUITE_P(
    Variables, ChangedHeaderVariable,
    ::testing::Values(changed_variable{"TEXTSIZE", [](OdDbDatabase& db) { db.setTEXTSIZE(5.25); }, "3.5", "5.25"},
                      changed_variable{"LUPREC", [](OdDbDatabase& db) { db.setSysVar(u"LUPREC", OdResBuf::int16(6)); },
                                       "     2", "6"},
                      changed_variable{"DIMSCALE",
                                       [](OdDbDatabase& db) { db.setSysVar(u"DIMSCALE", OdResBuf::real(0.1)); },
                                       "10.0", "0.1"}),
    [](const ::testing::TestParamInfo<changed_variable>& info) { return std::string(info.param.name); });

tag_list text_record(const std::string& handle, const tag_list& extra, const std::string& contents) {
  tag_list tags = {{0, "TEXT"}, {5, handle}};
  tags.insert(tags.end(), extra.begin(), extra.end());
  return tags + tag_list{{8, "0"}, {10, "1.0"}, {20, "2.0"}, {30, "0.0"}, {40, "2.5"}, {1, contents}};
}

TEST_F(DxfDatabase, AHandleThatLeavesNoRoomForNewOnesIsRefused) {
  tag_list full = kBlockRecords;
  for (auto& [code, value] : full)
    if (value == "20") value = "FFFFFFFFFFFFFFFF";
  EXPECT_THROW(read(kR2000Header + full + kEnd), OdDxfError);
}

TEST_F(DxfDatabase, ASectionGivenTwiceIsReadBothTimes) {
  const tag_list twice = kR2000Header + kBlockRecords + tag_list{{0, "SECTION"}, {2, "ENTITIES"}} +
                         text_record("31", {}, "first") + tag_list{{0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}} +
                         text_record("32", {}, "second") + tag_list{{0, "ENDSEC"}, {0, "EOF"}};
  OdDbDatabasePtr db = read(twice);
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x31)).isValid());
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x32)).isValid());
  EXPECT_EQ(odDxfWriteBytes(db.get()), dxf_text(twice));
}

TEST_F(DxfDatabase, ATextAmongTheTablesStaysTags) {
  const tag_list misplaced = kR2000Header +
                             tag_list{{0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "STYLE"}, {5, "3"}} +
                             text_record("40", {}, "lost") + tag_list{{0, "ENDTAB"}, {0, "ENDSEC"}} + kEnd;
  OdDbDatabasePtr db = read(misplaced);
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x40)).isNull());
  EXPECT_EQ(odDxfWriteBytes(db.get()), dxf_text(misplaced));
}

}  // namespace
