// "Text2MText" end to end through the scripted host.
#include "commands_fixture.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbMLeader.h"

namespace {

using Text2MText = CommandsFixture;

// The live MTexts of model space.
std::vector<OdDbMTextPtr> mtexts_of(OdDbDatabase* db) {
  std::vector<OdDbMTextPtr> found;
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db->getModelSpaceId().openObject().get());
  for (const OdDbObjectId& id : space->entityIds()) {
    OdDbObjectPtr object = id.openObject();
    if (object && object->isKindOf(OdDbMText::desc())) found.push_back(OdDbMText::cast(object.get()));
  }
  return found;
}

std::string plain_of(const OdDbMText& m) {
  mtext::multitext model;
  mtext::parse(m.contents().c_str(), mtext::format::string(), model, false);
  return OdString(mtext::serialize_raw(model, false)).toUtf8();
}

TEST_F(Text2MText, ATitleBlockBecomesOneMTextInReadingOrder) {
  OdDbTextPtr date = d.text(u"2026-12-05", OdGePoint3d(60.0, 0.0, 0.0));
  OdDbTextPtr title = d.text(u"Pump housing", OdGePoint3d(0.0, 10.0, 0.0), 3.0);
  OdDbTextPtr drawn = d.text(u"Drawn: A. Smith", OdGePoint3d(0.0, 0.2, 0.0));
  const OdGePoint3d title_top_left = bounding_points(*title)[0];
  const scripted_outcome outcome = run("Text2MText\nselect window -10,-10 200,50\n");
  ASSERT_TRUE(outcome.ok()) << host.transcript();
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
  EXPECT_TRUE(title->isErased());
  EXPECT_TRUE(date->isErased());
  EXPECT_TRUE(drawn->isErased());
  const auto merged = mtexts_of(d.db.get());
  ASSERT_EQ(merged.size(), 1u);
  EXPECT_EQ(plain_of(*merged[0]), "Pump housing\r\nDrawn: A. Smith 2026-12-05");
  EXPECT_DOUBLE_EQ(merged[0]->textHeight(), 3.0);
  expect_point_near(merged[0]->location(), title_top_left, 1e-9, "location");
  // The later Texts are smaller than the first: their height is a code.
  EXPECT_NE(merged[0]->contents().toUtf8().find("\\H0.666667x;"), std::string::npos) << merged[0]->contents().toUtf8();
}

TEST_F(Text2MText, ARightJustifiedFirstTextGivesARightAttachedMText) {
  OdDbTextPtr a = d.justified_text(u"Right", OdGePoint3d(50.0, 0.0, 0.0), kTextRight, kTextBase);
  const OdGePoint3d top_right = bounding_points(*a)[1];
  ASSERT_TRUE(run("Text2MText\nselect all\n").ok());
  const auto merged = mtexts_of(d.db.get());
  ASSERT_EQ(merged.size(), 1u);
  EXPECT_EQ(merged[0]->attachment(), OdDbMText::kTopRight);
  expect_point_near(merged[0]->location(), top_right, 1e-9, "location");
  EXPECT_EQ(plain_of(*merged[0]), "Right");
}

TEST_F(Text2MText, MTextsAndOtherObjectsAreLeftAlone) {
  OdDbMTextPtr existing = d.mtext(u"Already", OdGePoint3d(0.0, 30.0, 0.0));
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  d.db->addEntity(leader.get());
  const std::string before = describe();
  const scripted_outcome outcome = run("Text2MText\nselect all\n");
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
  EXPECT_TRUE(transcriptHas("Selected objects are not texts\n")) << host.transcript();
  EXPECT_EQ(describe(), before);
}

TEST_F(Text2MText, CancelAtThePromptLeavesTheDrawing) {
  d.text(u"One", OdGePoint3d(0.0, 0.0, 0.0));
  d.text(u"Two", OdGePoint3d(0.0, -5.0, 0.0));
  expect_cancel_anywhere_changes_nothing("Text2MText", {"select all"});
}

}  // namespace
