// "justifytext" and "TJust" end to end through the scripted host.
#include "commands/text_justify.h"
#include "commands_fixture.h"
#include "platform/host/HostCmdRegistry.h"
#include "platform/sdk/OdDbMLeader.h"

namespace {

using namespace justification;

TEST(TextCommandRegistration, FiveCommandsWithTheirGroupAndFlags) {
  EXPECT_TRUE(textCommandsRegistered());
  const struct {
    const char16_t* name;
    int flags;
  } expected[] = {{u"justifytext", 6}, {u"TJust", 2}, {u"Text2MText", 2}, {u"TextFit", 2}, {u"TCase", 2}};
  for (const auto& e : expected) {
    const host_command_entry* entry = HostCmdRegistry::instance().find(e.name);
    ASSERT_NE(entry, nullptr) << OdString(e.name).toUtf8();
    EXPECT_EQ(entry->name, OdString(e.name));
    EXPECT_EQ(entry->group, OdString(u"HOST"));
    EXPECT_EQ(entry->flags, e.flags) << OdString(e.name).toUtf8();
  }
}

using JustifyText = CommandsFixture;

// Fifteen Texts, one in each justification, all changed to each of the
// fifteen: every Text keeps its bounding points.
TEST_F(JustifyText, EveryJustificationToEveryOtherKeepsEachTextInPlace) {
  std::vector<OdDbTextPtr> texts;
  for (int from = 0; from < index_count; ++from) {
    OdDbTextPtr t = d.text(u"Justify me", OdGePoint3d(5.0, 10.0 * from, 0.0), 2.0, 0.3);
    ApplyTextJustify(t, horizontal_of_index(from), vertical_of_index(from));
    texts.push_back(t);
  }
  for (int to = 0; to < index_count; ++to) {
    std::vector<std::array<OdGePoint3d, 4>> before;
    for (const OdDbTextPtr& t : texts) before.push_back(bounding_points(*t));
    const std::string keyword = OdString(keyword_of_index(to)).toUtf8();
    const scripted_outcome outcome = run("justifytext\nselect all\nkeyword " + keyword + "\n");
    ASSERT_TRUE(outcome.ok()) << host.transcript();
    EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
    for (std::size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i]->horizontalMode(), horizontal_of_index(to)) << keyword;
      EXPECT_EQ(texts[i]->verticalMode(), vertical_of_index(to)) << keyword;
      expect_same_box(before[i], bounding_points(*texts[i]), 1e-9 * 2.0, "text " + std::to_string(i) + " to " + keyword);
    }
  }
}

TEST_F(JustifyText, MTextsTakeTheAttachmentOfTheKeywordAndStay) {
  OdDbMTextPtr m = d.mtext(u"Two\\Plines", OdGePoint3d(3.0, 4.0, 0.0));
  const auto before = bounding_points(*m);
  ASSERT_TRUE(run("justifytext\nselect all\nkeyword BC\n").ok());
  EXPECT_EQ(m->attachment(), OdDbMText::kBottomCenter);
  expect_same_box(before, bounding_points(*m), 1e-9, "MText");
  // The global name with a leading underscore is taken too.
  ASSERT_TRUE(run("justifytext\nselect all\nkeyword _Middle\n").ok());
  EXPECT_EQ(m->attachment(), OdDbMText::kMiddleCenter);
}

TEST_F(JustifyText, TheSelectionIsAskedAgainUntilItHoldsAText) {
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  d.db->addEntity(leader.get());
  OdDbTextPtr t = d.text(u"Later", OdGePoint3d(0.0, 0.0, 0.0));
  const scripted_outcome outcome =
      run("justifytext\nselect handles " + handle(leader) + "\nselect handles " + handle(t) + "\nkeyword TR\n");
  EXPECT_TRUE(outcome.ok()) << host.transcript();
  EXPECT_EQ(t->horizontalMode(), kTextRight);
  EXPECT_EQ(t->verticalMode(), kTextTop);
}

TEST_F(JustifyText, CancelAtEveryPromptLeavesTheDrawing) {
  d.text(u"Stay", OdGePoint3d(1.0, 2.0, 0.0));
  d.mtext(u"Stay too", OdGePoint3d(1.0, 8.0, 0.0));
  expect_cancel_anywhere_changes_nothing("justifytext", {"select all", "keyword MC"});
}

TEST_F(JustifyText, AnEmptySelectionEndsWithoutChange) {
  d.text(u"Stay", OdGePoint3d(1.0, 2.0, 0.0));
  const std::string before = describe();
  EXPECT_EQ(run("justifytext\nenter\n").results, std::vector<int>{kCmdDone});
  EXPECT_EQ(describe(), before);
}

using TJust = CommandsFixture;

TEST_F(TJust, MiddleIsCenterForATextAndMiddleCentreForAnMText) {
  OdDbTextPtr t = d.text(u"Text", OdGePoint3d(0.0, 0.0, 0.0));
  OdDbMTextPtr m = d.mtext(u"MText", OdGePoint3d(0.0, 20.0, 0.0));
  const OdGePoint3d start = t->position();
  ASSERT_TRUE(run("TJust\nselect all\nkeyword Middle\n").ok()) << host.transcript();
  EXPECT_EQ(t->horizontalMode(), kTextCenter);
  EXPECT_EQ(t->verticalMode(), kTextBase);
  expect_point_near(t->position(), start, 1e-9, "text position");
  EXPECT_EQ(m->attachment(), OdDbMText::kMiddleCenter);
  EXPECT_TRUE(transcriptHas("Select new justification"));
}

TEST_F(TJust, AnMTextKeepsItsTopLeftCorner) {
  OdDbMTextPtr m = d.mtext(u"Corner\\Pkept", OdGePoint3d(10.0, 20.0, 0.0), OdDbMText::kTopLeft);
  ASSERT_TRUE(run("TJust\nselect all\nkeyword BR\n").ok());
  EXPECT_EQ(m->attachment(), OdDbMText::kBottomRight);
  expect_point_near(bounding_points(*m)[0], OdGePoint3d(10.0, 20.0, 0.0), 1e-9, "top left");
}

TEST_F(TJust, NoTextsSaysSo) {
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  d.db->addEntity(leader.get());
  const scripted_outcome outcome = run("TJust\nselect all\n");
  EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
  EXPECT_TRUE(transcriptHas("Selected objects are not texts\n")) << host.transcript();
}

TEST_F(TJust, CancelAtEveryPromptLeavesTheDrawing) {
  d.justified_text(u"Stay", OdGePoint3d(1.0, 2.0, 0.0), kTextRight, kTextTop);
  d.mtext(u"Stay too", OdGePoint3d(1.0, 8.0, 0.0));
  expect_cancel_anywhere_changes_nothing("TJust", {"select all", "keyword BL"});
}

}  // namespace
