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

TEST_F(DxfDatabase, HeaderVariablesTheModuleReadsComeFromTheFile) {
  OdDbDatabasePtr db = read(kR2000Header + kEnd);
  EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 3.5);
  EXPECT_DOUBLE_EQ(db->getDIMSCALE(), 10.0);
  EXPECT_EQ(db->getLUPREC(), 2);
  EXPECT_EQ(db->getSysVar(u"TEXTSTYLE").getString(), OdString(u"Notes"));
  EXPECT_EQ(db->getSysVar(u"$ACADVER").getString(), OdString(u"AC1015"));
  EXPECT_EQ(db->getSysVar(u"DWGCODEPAGE").getString(), OdString(u"ANSI_1252"));
  EXPECT_EQ(db->getSysVar(u"HANDSEED").getString(), OdString(u"2A"));
  // Variables the file does not set keep the database's defaults; others stay tags only.
  EXPECT_EQ(db->getTEXTEVAL(), 0);
  EXPECT_FALSE(db->hasSysVar(u"INSUNITS"));
  EXPECT_EQ(db->dxfDocument()->version, 1015);
}

TEST_F(DxfDatabase, BlocksAndSpacesKeepTheFilesHandles) {
  OdDbDatabasePtr db = read(kR2000Header + kBlockRecords + kDoorBlock + kEnd);
  EXPECT_EQ(std::uint64_t(db->getModelSpaceId().getHandle()), 0x1Fu);
  EXPECT_EQ(std::uint64_t(db->getPaperSpaceId().getHandle()), 0x1Bu);
  EXPECT_EQ(std::uint64_t(db->getBlockTableId().getHandle()), 0x1u);
  const OdDbObjectId door = db->blockTable()->getAt(u"door");
  ASSERT_TRUE(door.isValid());
  EXPECT_EQ(std::uint64_t(door.getHandle()), 0x20u);
  EXPECT_EQ(db->getOdDbObjectId(OdDbHandle(0x20)), door);
}

TEST_F(DxfDatabase, RecordsTheFileLacksGetHandlesAboveTheSeed) {
  OdDbDatabasePtr db = read(kR2000Header + kBlockRecords + kEnd);
  // No LAYER or STYLE table in the file: layer "0" and "Standard" are made.
  for (const OdDbObjectId& id : {db->getLayerZeroId(), db->getTextStyleStandardId(), db->getLayerTableId()}) {
    ASSERT_TRUE(id.isValid());
    EXPECT_GE(std::uint64_t(id.getHandle()), 0x2Au);
  }
  EXPECT_GT(std::uint64_t(db->handseed()), std::uint64_t(db->getLayerZeroId().getHandle()));
}

TEST_F(DxfDatabase, ASeedBelowTheFilesHandlesIsRaised) {
  tag_list low = kR2000Header;
  for (auto& [code, value] : low)
    if (value == "2A") value = "10";
  OdDbDatabasePtr db = read(low + kBlockRecords + kDoorBlock + kEnd);
  EXPECT_GT(std::uint64_t(db->handseed()), 0x22u);
  EXPECT_EQ(std::uint64_t(db->getModelSpaceId().getHandle()), 0x1Fu);
}

TEST_F(DxfDatabase, R12BlocksWithoutRecordsBecomeBlocksByName) {
  const tag_list r12 = header({{9, "$ACADVER"}, {1, "AC1009"}, {9, "$HANDLING"}, {70, "0"}}) +
                       tag_list{{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}, {2, "Window"}, {70, "0"},
                                {0, "ENDBLK"},  {0, "ENDSEC"}} +
                       kEnd;
  OdDbDatabasePtr db = read(r12);
  EXPECT_TRUE(db->blockTable()->getAt(u"Window").isValid());
  EXPECT_TRUE(db->getModelSpaceId().isValid());
  EXPECT_FALSE(db->dxfDocument()->has_handles);
  EXPECT_EQ(db->dxfDocument()->version, 1009);
  odDxfWriteFile(db.get(), dir.file("out.dxf").string());
  EXPECT_EQ(read_bytes(dir.file("out.dxf")), dxf_text(r12));
}

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

TEST_F(DxfDatabase, RecordsAreFoundByHandleForTheMapping) {
  OdDbDatabasePtr db = read(kR2000Header + kBlockRecords + kDoorBlock + kEnd);
  const OdDxfTags* block = db->dxfDocument()->recordByHandle(0x21);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->front().value, "BLOCK");
  EXPECT_EQ(db->dxfDocument()->recordByHandle(0x99), nullptr);
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

TEST_F(DxfDatabase, AVariableSetToTheSameValueKeepsItsOwnSpelling) {
  OdDbDatabasePtr db = read(kR2000Header + kEnd);
  db->setTEXTSIZE(3.5);
  db->setSysVar(u"DIMSCALE", OdResBuf::int16(10));
  odDxfWriteFile(db.get(), dir.file("out.dxf").string());
  EXPECT_EQ(read_bytes(dir.file("out.dxf")), dxf_text(kR2000Header + kEnd));
}

}  // namespace

namespace {

tag_list text_record(const std::string& handle, const tag_list& extra, const std::string& contents) {
  tag_list tags = {{0, "TEXT"}, {5, handle}};
  tags.insert(tags.end(), extra.begin(), extra.end());
  return tags + tag_list{{8, "0"}, {10, "1.0"}, {20, "2.0"}, {30, "0.0"}, {40, "2.5"}, {1, contents}};
}

TEST_F(DxfDatabase, LayerZeroAndStandardAreTheFilesRecords) {
  const tag_list tables = {{0, "SECTION"}, {2, "TABLES"},   {0, "TABLE"},  {2, "LAYER"},   {5, "2"},
                           {0, "LAYER"},   {5, "10"},       {2, "0"},      {70, "0"},      {62, "7"},
                           {6, "CONTINUOUS"}, {0, "ENDTAB"}, {0, "TABLE"},  {2, "STYLE"},   {5, "3"},
                           {0, "STYLE"},   {5, "11"},       {2, "Standard"}, {70, "0"},    {40, "0.0"},
                           {41, "1.0"},    {50, "0.0"},     {71, "0"},     {42, "2.5"},    {3, "txt"},
                           {4, ""},        {0, "ENDTAB"},   {0, "ENDSEC"}};
  OdDbDatabasePtr db = read(kR2000Header + tables + kEnd);
  EXPECT_EQ(std::uint64_t(db->getLayerTableId().getHandle()), 0x2u);
  EXPECT_EQ(std::uint64_t(db->getTextStyleTableId().getHandle()), 0x3u);
  EXPECT_EQ(std::uint64_t(db->getLayerZeroId().getHandle()), 0x10u);
  EXPECT_EQ(std::uint64_t(db->getTextStyleStandardId().getHandle()), 0x11u);
  EXPECT_EQ(db->layerTable()->recordIds().size(), 1u);
}

TEST_F(DxfDatabase, EntitiesBelongToTheSpaceOrBlockTheySitIn) {
  const tag_list blocks = {{0, "SECTION"}, {2, "BLOCKS"}, {0, "BLOCK"}, {5, "21"}, {330, "20"}, {2, "Door"}};
  const tag_list entities = {{0, "SECTION"}, {2, "ENTITIES"}};
  OdDbDatabasePtr db = read(kR2000Header + kBlockRecords + blocks + text_record("30", {{330, "20"}}, "in door") +
                            tag_list{{0, "ENDBLK"}, {5, "22"}, {330, "20"}, {0, "ENDSEC"}} + entities +
                            text_record("31", {{330, "1F"}}, "model") + text_record("32", {{330, "1B"}}, "paper") +
                            text_record("33", {{67, "1"}}, "paper by flag") +
                            text_record("34", {}, "model by default") +
                            tag_list{{0, "ENDSEC"}, {0, "EOF"}});
  const auto owner_of = [&](std::uint64_t handle) {
    const OdDbObject* object = db->getOdDbObjectId(OdDbHandle(handle)).peekObject();
    return object ? object->ownerId() : OdDbObjectId::kNull;
  };
  EXPECT_EQ(owner_of(0x30), db->blockTable()->getAt(u"Door"));
  EXPECT_EQ(owner_of(0x31), db->getModelSpaceId());
  EXPECT_EQ(owner_of(0x32), db->getPaperSpaceId());
  EXPECT_EQ(owner_of(0x33), db->getPaperSpaceId());
  EXPECT_EQ(owner_of(0x34), db->getModelSpaceId());
  const auto& model = OdDbBlockTableRecordPtr(db->getModelSpaceId().peekObject())->entityIds();
  ASSERT_EQ(model.size(), 2u);
  EXPECT_EQ(std::uint64_t(model[0].getHandle()), 0x31u);
  EXPECT_EQ(std::uint64_t(model[1].getHandle()), 0x34u);
}

}  // namespace

namespace {

TEST_F(DxfDatabase, AHandleThatLeavesNoRoomForNewOnesIsRefused) {
  tag_list full = kBlockRecords;
  for (auto& [code, value] : full)
    if (value == "20") value = "FFFFFFFFFFFFFFFF";
  EXPECT_THROW(read(kR2000Header + full + kEnd), OdDxfError);
}

}  // namespace

namespace {

TEST_F(DxfDatabase, ASectionGivenTwiceIsReadBothTimes) {
  const tag_list twice = kR2000Header + kBlockRecords + tag_list{{0, "SECTION"}, {2, "ENTITIES"}} +
                         text_record("31", {}, "first") + tag_list{{0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}} +
                         text_record("32", {}, "second") + tag_list{{0, "ENDSEC"}, {0, "EOF"}};
  OdDbDatabasePtr db = read(twice);
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x31)).isValid());
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x32)).isValid());
  EXPECT_EQ(odDxfWriteBytes(db.get()), dxf_text(twice));
}

}  // namespace

namespace {

TEST_F(DxfDatabase, ATextAmongTheTablesStaysTags) {
  const tag_list misplaced = kR2000Header +
                             tag_list{{0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "STYLE"}, {5, "3"}} +
                             text_record("40", {}, "lost") + tag_list{{0, "ENDTAB"}, {0, "ENDSEC"}} + kEnd;
  OdDbDatabasePtr db = read(misplaced);
  EXPECT_TRUE(db->getOdDbObjectId(OdDbHandle(0x40)).isNull());
  EXPECT_EQ(odDxfWriteBytes(db.get()), dxf_text(misplaced));
}

}  // namespace
