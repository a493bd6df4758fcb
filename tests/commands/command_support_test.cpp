// Sorting a selection into Texts and MTexts, with objects on locked layers
// counted out, and where new entities go.
#include "commands/command_support.h"
#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbMLeader.h"
#include "test_drawing.h"

namespace {

using namespace text_commands;

TEST(SortSelection, TextsAndMTextsInSelectionOrderLockedOnesCounted) {
  test_drawing d;
  d.add_layer(u"Locked", true);
  d.add_layer(u"Open", false);
  OdDbMTextPtr m = d.mtext(u"m", OdGePoint3d(0.0, 0.0, 0.0));
  OdDbTextPtr t = d.text(u"t", OdGePoint3d(0.0, 5.0, 0.0));
  t->setLayer(u"Open");
  OdDbTextPtr locked_text = d.text(u"locked", OdGePoint3d(0.0, 10.0, 0.0));
  locked_text->setLayer(u"Locked");
  OdDbMTextPtr locked_mtext = d.mtext(u"locked", OdGePoint3d(0.0, 15.0, 0.0));
  locked_mtext->setLayer(u"Locked");
  OdDbMLeaderPtr leader = OdDbMLeader::createObject();
  d.db->addEntity(leader.get());
  leader->setLayer(u"Locked");  // not a text: ignored, not counted

  const text_selection found = sort_selection(
      {m->objectId(), locked_text->objectId(), leader->objectId(), t->objectId(), locked_mtext->objectId()});
  EXPECT_EQ(found.both, (std::vector<OdDbObjectId>{m->objectId(), t->objectId()}));
  EXPECT_EQ(found.texts, std::vector<OdDbObjectId>{t->objectId()});
  EXPECT_EQ(found.mtexts, std::vector<OdDbObjectId>{m->objectId()});
  EXPECT_EQ(found.locked, 2);
  EXPECT_FALSE(found.empty());
  EXPECT_TRUE(sort_selection({leader->objectId(), OdDbObjectId()}).empty());
}

}  // namespace
