#include <gtest/gtest.h>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"

namespace {

struct DbDraw : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdGiRecorder recorder;

  std::vector<od_gi_primitive> record_model_space() {
    recorder.draw(db->getModelSpaceId().peekObject());
    return recorder.takePrimitives();
  }
};

TEST_F(DbDraw, InvisibleErasedAndEmptyThingsDrawNothing) {
  OdDbTextPtr hidden = OdDbText::createObject();
  hidden->setTextString(u"hidden");
  hidden->setVisibility(OdDb::kInvisible);
  db->addEntity(hidden.get());
  OdDbTextPtr erased = OdDbText::createObject();
  erased->setTextString(u"erased");
  db->addEntity(erased.get());
  erased->erase();
  OdDbTextPtr empty = OdDbText::createObject();
  db->addEntity(empty.get());
  OdDbBlockReferencePtr insert = OdDbBlockReference::createObject();
  db->addEntity(insert.get());
  OdDbAttributePtr shown = OdDbAttribute::createObject(), secret = OdDbAttribute::createObject();
  shown->setTag(u"A");
  shown->setTextString(u"shown");
  secret->setTag(u"B");
  secret->setTextString(u"secret");
  secret->setInvisible(true);
  insert->appendAttribute(shown.get());
  insert->appendAttribute(secret.get());

  const std::vector<od_gi_primitive> drawn = record_model_space();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].text->text, OdString(u"shown"));
  EXPECT_EQ(insert->attribute(u"b").get(), secret.get());
}

}  // namespace
