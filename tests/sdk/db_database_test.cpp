#include <gtest/gtest.h>

#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

namespace {

OdResult code_of(const std::function<void()>& action) {
  try {
    action();
  } catch (const OdError& error) {
    return error.code();
  }
  return eOk;
}

struct DbDatabase : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbObjectId addText(const OdString& text) {
    OdDbTextPtr t = OdDbText::createObject();
    t->setTextString(text);
    return db->addEntity(t.get());
  }
};

TEST_F(DbDatabase, WritingAnObjectOpenedForReadThrowsUntilUpgraded) {
  const OdDbObjectId id = addText(u"a");
  OdDbTextPtr text(id.openObject(OdDb::kForRead));
  EXPECT_TRUE(text->isReadEnabled());
  EXPECT_FALSE(text->isWriteEnabled());
  EXPECT_EQ(code_of([&] { text->setTextString(u"b"); }), eNotOpenForWrite);
  EXPECT_EQ(code_of([&] { text->setHeight(5.0); }), eNotOpenForWrite);
  EXPECT_EQ(text->textString(), OdString(u"a"));
  text->upgradeOpen();
  text->setTextString(u"b");
  text->downgradeOpen();
  EXPECT_EQ(code_of([&] { text->erase(); }), eNotOpenForWrite);
  EXPECT_EQ(OdDbTextPtr(id.openObject(OdDb::kForWrite))->textString(), OdString(u"b"));
}

TEST_F(DbDatabase, ErasedObjectsOpenOnlyWhenAskedFor) {
  const OdDbObjectId id = addText(u"a");
  OdDbObjectPtr object = id.openObject(OdDb::kForWrite);
  object->erase();
  EXPECT_TRUE(object->isErased());
  EXPECT_TRUE(id.isErased());
  EXPECT_FALSE(id.openObject(OdDb::kForRead));
  EXPECT_TRUE(id.openObject(OdDb::kForRead, true));
  EXPECT_EQ(code_of([&] { id.safeOpenObject(); }), eWasErased);
  EXPECT_EQ(code_of([&] { object->upgradeOpen(); object->erase(); }), eWasErased);
  object->erase(false);
  EXPECT_FALSE(id.isErased());
  EXPECT_EQ(code_of([] { OdDbObjectId().safeOpenObject(); }), eNullObjectId);
}

TEST_F(DbDatabase, HandlesComeFromTheSeedInOrder) {
  const OdDbHandle seed = db->handseed();
  const OdDbObjectId a = addText(u"a");
  const OdDbObjectId b = addText(u"b");
  EXPECT_EQ(std::uint64_t(a.getHandle()), std::uint64_t(seed));
  EXPECT_EQ(std::uint64_t(b.getHandle()), std::uint64_t(seed) + 1);
  EXPECT_EQ(std::uint64_t(db->handseed()), std::uint64_t(seed) + 2);
  EXPECT_EQ(db->getOdDbObjectId(b.getHandle()), b);
  EXPECT_EQ(a.database(), db.get());

  OdDbTextPtr read = OdDbText::createObject();
  const OdDbObjectId fixed = db->addOdDbObject(read.get(), db->getModelSpaceId(), OdDbHandle(0x1F0));
  EXPECT_EQ(fixed.getHandle().ascii(), OdString(u"1F0"));
  EXPECT_EQ(std::uint64_t(db->handseed()), 0x1F1u);
  OdDbTextPtr clash = OdDbText::createObject();
  EXPECT_EQ(code_of([&] { db->addOdDbObject(clash.get(), {}, OdDbHandle(0x1F0)); }), eInvalidInput);
  EXPECT_EQ(code_of([&] { db->addOdDbObject(read.get()); }), eAlreadyInDb);
  EXPECT_EQ(code_of([&] { db->setHandseed(OdDbHandle(0x10)); }), eInvalidInput);
}

TEST_F(DbDatabase, StandardStyleExistsAndNamesCompareWithoutCase) {
  OdDbSymbolTablePtr styles = db->textStyleTable();
  for (const char16_t* name : {u"Standard", u"STANDARD", u"standard"})
    EXPECT_EQ(styles->getAt(name), db->getTextStyleStandardId()) << OdString(name).toUtf8();
  OdDbTextStyleTableRecordPtr standard(db->getTextStyleStandardId().safeOpenObject());
  EXPECT_EQ(standard->fileName(), OdString(u"txt"));
  EXPECT_EQ(standard->textSize(), 0.0);
  EXPECT_TRUE(styles->getAt(u"Missing").isNull());

  OdDbTextStyleTableRecordPtr dup = OdDbTextStyleTableRecord::createObject();
  dup->setName(u"STANDARD");
  OdDbSymbolTablePtr writable(db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite));
  EXPECT_EQ(code_of([&] { writable->add(dup.get()); }), eDuplicateRecordName);
  EXPECT_TRUE(dup->objectId().isNull());
  EXPECT_EQ(writable->recordIds().size(), 1u);
}

TEST_F(DbDatabase, UnknownOrMistypedHeaderVariablesAreRefused) {
  EXPECT_EQ(code_of([&] { db->getSysVar(u"NOSUCHVAR"); }), eKeyNotFound);
  EXPECT_EQ(code_of([&] { db->setSysVar(u"TEXTSIZE", OdResBuf::string(u"big")); }), eInvalidInput);
  EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 2.5);
  db->setSysVar(u"textsize", OdResBuf::int16(4));
  EXPECT_TRUE(db->getSysVar(u"TEXTSIZE").isReal());
  EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 4.0);
  EXPECT_EQ(code_of([&] { db->getSysVar(u"TEXTSIZE").getString(); }), eInvalidInput);
}

TEST_F(DbDatabase, TextStyleVariableFollowsTheStyleTable) {
  OdDbTextStyleTableRecordPtr mine = OdDbTextStyleTableRecord::createObject();
  mine->setName(u"Mine");
  const OdDbObjectId mineId =
      OdDbSymbolTablePtr(db->getTextStyleTableId().safeOpenObject(OdDb::kForWrite))->add(mine.get());
  db->setTEXTSTYLE(mineId);
  EXPECT_EQ(db->getSysVar(u"TEXTSTYLE").getString(), OdString(u"Mine"));
  EXPECT_EQ(db->getTEXTSTYLE(), mineId);
  mine->erase();
  EXPECT_EQ(db->getTEXTSTYLE(), db->getTextStyleStandardId());
}

TEST_F(DbDatabase, GetFieldHandsBackWhateverIsStoredSoWrongCastsFail) {
  OdDbMTextPtr mtext = OdDbMText::createObject();
  db->addEntity(mtext.get());
  OdDbTextPtr notAField = OdDbText::createObject();
  mtext->setField(u"TEXT", notAField.get());
  EXPECT_TRUE(mtext->hasFields());
  EXPECT_THROW(OdDbFieldPtr field(mtext->getField(u"text")), OdError_NotThatKindOfClass);

  OdDbFieldPtr field = OdDbField::createObject();
  field->setFieldCode(u"%<\\AcVar Date>%");
  mtext->setField(u"TEXT", field.get());
  EXPECT_FALSE(field->objectId().isNull());  // joined the database with its owner
  OdDbFieldPtr back(mtext->getField(u"TEXT"));
  EXPECT_EQ(back.get(), field.get());
  EXPECT_TRUE(mtext->getField(u"OTHER").isNull());
  EXPECT_TRUE(mtext->removeField(u"TEXT"));
  EXPECT_FALSE(mtext->hasFields());
  EXPECT_TRUE(field->isErased());
  EXPECT_EQ(code_of([&] { mtext->setField(u"X", nullptr); }), eNullObjectPointer);
}

}  // namespace
