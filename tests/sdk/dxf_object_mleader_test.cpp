// MULTILEADER content: text from the context group, a block with attribute
// values named through other records, and writes that touch only the content.
#include <gtest/gtest.h>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDxfValue.h"
#include "tests/sdk/dxf_test_records.h"

namespace {

// A leader with a block: the block record and the attribute definition are
// records of their own, reached by handle.
const char* const kBlockLeader =
    "0\nMULTILEADER\n5\nC0\n330\n1F\n100\nAcDbEntity\n8\n0\n100\nAcDbMLeader\n270\n2\n"
    "300\nCONTEXT_DATA{\n40\n1.0\n10\n0.0\n20\n0.0\n30\n0.0\n41\n4.0\n290\n0\n296\n1\n341\nB1\n"
    "302\nLEADER{\n290\n1\n10\n1.0\n20\n1.0\n30\n0.0\n303\n}\n301\n}\n"
    "340\n11\n90\n6816768\n170\n1\n172\n1\n173\n8\n95\n1\n344\nB1\n271\n1\n"
    "330\nD1\n177\n1\n44\n0.0\n302\nA-12 ^ x\n"
    "330\nD2\n177\n2\n44\n0.0\n302\nsecond\n"
    "0\nBLOCK_RECORD\n5\nB1\n100\nAcDbSymbolTableRecord\n100\nAcDbBlockTableRecord\n2\nTagBubble\n"
    "0\nATTDEF\n5\nD1\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n10\n0\n20\n0\n30\n0\n40\n1\n1\n\n"
    "100\nAcDbAttributeDefinition\n3\nNumber?\n2\nNUM\n70\n0\n"
    "0\nATTDEF\n5\nD2\n100\nAcDbEntity\n8\n0\n100\nAcDbText\n10\n0\n20\n0\n30\n0\n40\n1\n1\n\n"
    "100\nAcDbAttributeDefinition\n3\nNote?\n2\nNOTE\n70\n0\n";

struct DxfMLeader : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
};

std::vector<std::size_t> differences(const OdDxfTags& a, const OdDxfTags& b) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (a[i].code != b[i].code || a[i].value != b[i].value) at.push_back(i);
  return at;
}

TEST_F(DxfMLeader, BlockContentNamesItsBlockAndAttributeValues) {
  const dxf_test_file file = dxf_test_parse(kBlockLeader);
  const OdDxfContext context = file.context(db.get());
  const OdDxfTags& record = *file.byHandleOrNull(0xC0);
  const auto leader = OdDbMLeader::cast(odDxfObjectFromTags(record, context).get());
  ASSERT_EQ(leader->contentType(), OdDbMLeader::kBlockContent);
  EXPECT_EQ(leader->blockContentName(), OdString(u"TagBubble"));
  EXPECT_EQ(leader->blockAttributeValue(u"NUM"), OdString(u"A-12 ^x"));
  EXPECT_EQ(leader->blockAttributeValue(u"note"), OdString(u"second"));
  EXPECT_EQ(leader->textLeftAttachmentType(), OdDbMLeader::kAttachmentAllLine);
  EXPECT_EQ(leader->textRightAttachmentType(), 1);
  EXPECT_EQ(leader->textAttachmentDirection(), OdDbMLeader::kAttachmentVertical);
  EXPECT_TRUE(differences(odDxfTagsFromObject(*leader, record, context), record).empty());
  leader->setBlockAttributeValue(u"NOTE", u"changed");
  const OdDxfTags written = odDxfTagsFromObject(*leader, record, context);
  ASSERT_EQ(written.size(), record.size());
  const auto changed = differences(written, record);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(written[changed[0]].code, 302);
  EXPECT_EQ(written[changed[0]].value, "changed");
  EXPECT_EQ(written[changed[0] - 3].value, "D2");
}

// The text of the leader is the 304 before the first LEADER{; the 304 of a
// leader line further on is a group marker, not text.
TEST_F(DxfMLeader, ChangedTextTouchesOnlyTheContextGroup) {
  const dxf_test_file file = dxf_test_read("dxf-parser_mleader.dxf");
  const OdDxfContext context = file.context(db.get());
  const auto records = file.ofType("MULTILEADER");
  ASSERT_EQ(records.size(), 3u);
  const OdDxfTags& record = *records[0];
  const auto leader = OdDbMLeader::cast(odDxfObjectFromTags(record, context).get());
  OdDbMTextPtr text = leader->mtext();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->contents(), OdString(u"I am curvy leader ?"));
  text->setContents(u"Two\\Plines");
  text->setTextHeight(text->textHeight() * 2);
  leader->setMText(text.get());
  const OdDxfTags written = odDxfTagsFromObject(*leader, record, context);
  ASSERT_EQ(written.size(), record.size());
  const auto changed = differences(written, record);
  ASSERT_EQ(changed.size(), 2u);
  EXPECT_EQ(written[changed[0]].code, 41);
  EXPECT_EQ(written[changed[1]].code, 304);
  EXPECT_EQ(written[changed[1]].value, "Two\\Plines");
  std::size_t lineMarkers = 0;
  for (const OdDxfTag& tag : written) lineMarkers += tag.code == 304 && tag.value == "LEADER_LINE{";
  EXPECT_GT(lineMarkers, 0u);
}

}  // namespace
