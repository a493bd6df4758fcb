// "justifytext" and "TJust" end to end through the scripted host.
#include "commands/text_justify.h"
#include "commands_fixture.h"
#include "platform/sdk/OdDbMLeader.h"
#include "tests/sdk/text_orientations.h"

namespace {

using namespace justification;

using JustifyText = CommandsFixture;


// Fifteen Texts in each orientation, one in each justification, and an
// MText, all changed to each of the fifteen: every one keeps its bounding points.
TEST_F(JustifyText, EveryJustificationToEveryOtherKeepsEachTextInPlace) {
  std::vector<OdDbTextPtr> texts;
  for (const orientation& o : kOrientations)
    for (int from = 0; from < index_count; ++from) {
      OdDbTextPtr t = d.text(u"Hgx Ay", OdGePoint3d(5.0, 10.0 * from, 0.5), 2.0, o.rotation, o.normal);
      ApplyTextJustify(t, horizontal_of_index(from), vertical_of_index(from));
      texts.push_back(t);
    }
  OdDbMTextPtr m = d.mtext(u"First line\\Psecond", OdGePoint3d(10.0, 20.0, 0.0), OdDbMText::kMiddleRight);
  for (int to = 0; to < index_count; ++to) {
    std::vector<std::array<OdGePoint3d, 4>> before;
    for (const OdDbTextPtr& t : texts) before.push_back(bounding_points(*t));
    const auto mtext_before = bounding_points(*m);
    const std::string keyword = OdString(keyword_of_index(to)).toUtf8();
    const scripted_outcome outcome = run("justifytext\nselect all\nkeyword " + keyword + "\n");
    ASSERT_TRUE(outcome.ok()) << host.transcript();
    EXPECT_EQ(outcome.results, std::vector<int>{kCmdDone});
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const std::string what = std::string(kOrientations[i / index_count].name) + " " +
                               OdString(keyword_of_index(static_cast<int>(i) % index_count)).toUtf8() + " -> " + keyword;
      EXPECT_EQ(texts[i]->horizontalMode(), horizontal_of_index(to)) << what;
      EXPECT_EQ(texts[i]->verticalMode(), vertical_of_index(to)) << what;
      expect_same_box(before[i], bounding_points(*texts[i]), 1e-9 * 2.0, what);
    }
    EXPECT_EQ(m->attachment(), attachment_of_index(to)) << keyword;
    expect_same_box(mtext_before, bounding_points(*m), 1e-9, "MText to " + keyword);
  }
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

// Every keyword: a Text keeps its start and box and takes the table's modes
// ("Middle" is centre on the baseline); an MText keeps its top-left corner.
TEST_F(TJust, EveryKeywordKeepsTextsInPlaceAndMTextsAtTheirTopLeftCorner) {
  const std::u16string keywords = tjust_keywords;
  std::size_t start = 0;
  for (int position = 0; position < tjust_count; ++position) {
    const std::size_t blank = keywords.find(u' ', start);
    const std::string keyword = OdString(keywords.substr(start, blank - start).c_str()).toUtf8();
    start = blank + 1;
    OdDbTextPtr t = d.justified_text(u"Moved?", OdGePoint3d(7.0, 3.0, 0.0), kTextRight, kTextTop);
    OdDbMTextPtr m = d.mtext(u"Corner\\Pkept", OdGePoint3d(10.0, 20.0, 0.0), OdDbMText::kTopLeft);
    const OdGePoint3d text_start = t->position();
    const auto before = bounding_points(*t);
    ASSERT_TRUE(run("TJust\nselect handles " + handle(t) + " " + handle(m) + "\nkeyword " + keyword + "\n").ok())
        << host.transcript();
    const tjust_entry e = tjust_of_position(position);
    EXPECT_EQ(t->horizontalMode(), e.horizontal) << keyword;
    EXPECT_EQ(t->verticalMode(), e.vertical) << keyword;
    expect_point_near(t->position(), text_start, 1e-9, keyword + " text position");
    expect_same_box(before, bounding_points(*t), 1e-9, keyword + " text box");
    EXPECT_EQ(m->attachment(), e.attachment) << keyword;
    expect_point_near(bounding_points(*m)[0], OdGePoint3d(10.0, 20.0, 0.0), 1e-9, keyword + " top left");
  }
  EXPECT_TRUE(transcriptHas("Select new justification"));
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
