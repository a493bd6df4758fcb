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

TEST(DbHandle, HexFormRoundTripsAndRefusesGarbage) {
  EXPECT_EQ(OdDbHandle(0x2A).ascii(), OdString(u"2A"));
  EXPECT_EQ(std::uint64_t(OdDbHandle(OdString(u"1f"))), 0x1Fu);
  EXPECT_EQ(std::uint64_t(OdDbHandle(OdString(u"FFFFFFFFFFFFFFFF"))), ~std::uint64_t{0});
  EXPECT_TRUE(OdDbHandle(OdString(u"12G")).isNull());
  EXPECT_TRUE(OdDbHandle(OdString(u"")).isNull());
  EXPECT_TRUE(OdDbHandle(OdString(u"10000000000000000")).isNull());
}

TEST_F(DbDatabase, SpacesKeepEntitiesInOrderAndOwnThem) {
  const OdDbObjectId a = addText(u"a"), b = addText(u"b");
  OdDbBlockTableRecordPtr model(db->getModelSpaceId().safeOpenObject());
  ASSERT_EQ(model->entityIds().size(), 2u);
  EXPECT_EQ(model->entityIds()[0], a);
  EXPECT_EQ(model->entityIds()[1], b);
  EXPECT_EQ(a.safeOpenObject()->ownerId(), db->getModelSpaceId());
  EXPECT_NE(db->getPaperSpaceId(), db->getModelSpaceId());
  EXPECT_EQ(db->blockTable()->getAt(u"*model_space"), db->getModelSpaceId());
}

TEST_F(DbDatabase, LayerLockIsKeptAndSeenByItsEntities) {
  OdDbLayerTableRecordPtr walls = OdDbLayerTableRecord::createObject();
  walls->setName(u"Walls");
  const OdDbObjectId wallsId = OdDbSymbolTablePtr(db->getLayerTableId().safeOpenObject(OdDb::kForWrite))->add(walls.get());
  walls->setIsLocked(true);
  OdDbTextPtr onWalls = OdDbText::createObject();
  onWalls->setLayer(u"WALLS");
  db->addEntity(onWalls.get());
  OdDbTextPtr onZero = OdDbText::createObject();
  db->addEntity(onZero.get());
  EXPECT_TRUE(onWalls->isOnLockedLayer());
  EXPECT_EQ(onWalls->layerId(), wallsId);
  EXPECT_FALSE(onZero->isOnLockedLayer());
  EXPECT_EQ(onZero->layerId(), db->getLayerZeroId());
  EXPECT_TRUE(OdDbLayerTableRecordPtr(wallsId.safeOpenObject())->isLocked());
  EXPECT_FALSE(walls->isFrozen());
  EXPECT_FALSE(walls->isOff());
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

TEST_F(DbDatabase, HeaderVariablesHaveTheirDefaults) {
  EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 2.5);
  EXPECT_EQ(db->getTEXTSTYLE(), db->getTextStyleStandardId());
  EXPECT_EQ(db->getSysVar(u"TEXTSTYLE").getString(), OdString(u"Standard"));
  EXPECT_DOUBLE_EQ(db->getDIMSCALE(), 1.0);
  EXPECT_EQ(db->getTEXTEVAL(), 0);
  EXPECT_EQ(db->getTEXTALLCAPS(), 0);
  EXPECT_EQ(db->getLUPREC(), 4);
  EXPECT_EQ(db->getCMDACTIVE(), 0);
  EXPECT_DOUBLE_EQ(db->getSysVar(u"$textsize").getDouble(), 2.5);
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

TEST(DbClasses, RegisteredOnceByTheFirstDatabase) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  EXPECT_EQ(odrxFindClass(u"OdDbText"), OdDbText::desc());
  EXPECT_EQ(OdDbText::rxInit(), 313);
  EXPECT_EQ(OdDbMText::rxInit(), 313);
  odDbInitialize();
  OdDbDatabasePtr second = OdDbDatabase::createObject();
  OdRxObjectPtr made = odrxCreateObject(u"OdDbMText");
  EXPECT_TRUE(made->isKindOf(OdDbEntity::desc()));
  EXPECT_EQ(OdDbMText::desc()->dxfName(), OdString(u"MTEXT"));
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

TEST(DbTextStyle, GiFromDbTextStyleCopiesEveryAttribute) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDbTextStyleTableRecordPtr rec = OdDbTextStyleTableRecord::createObject();
  rec->setName(u"Mine");
  rec->setFont(u"Arial", true, true, 204, 34);
  rec->setFileName(u"arial.ttf");
  rec->setBigFontFileName(u"bigfont.shx");
  rec->setTextSize(3.0);
  rec->setXScale(0.8);
  rec->setObliquingAngle(0.2);
  OdGiTextStyle style;
  giFromDbTextStyle(rec.get(), style);
  OdString typeface;
  bool bold = false, italic = false;
  int charset = 0, pitch = 0;
  style.font(typeface, bold, italic, charset, pitch);
  EXPECT_EQ(typeface, OdString(u"Arial"));
  EXPECT_TRUE(bold);
  EXPECT_TRUE(italic);
  EXPECT_EQ(charset, 204);
  EXPECT_EQ(pitch, 34);
  EXPECT_EQ(style.codePage(), 1251);
  EXPECT_EQ(style.fileName(), OdString(u"arial.ttf"));
  EXPECT_EQ(style.bigFontFileName(), OdString(u"bigfont.shx"));
  EXPECT_DOUBLE_EQ(style.textSize(), 3.0);
  EXPECT_DOUBLE_EQ(style.xScale(), 0.8);
  EXPECT_DOUBLE_EQ(style.obliquingAngle(), 0.2);
  EXPECT_EQ(style.styleName(), OdString(u"Mine"));
  EXPECT_FALSE(style.isShxFont());
  rec->setIsShapeFile(true);
  giFromDbTextStyle(rec.get(), style);
  EXPECT_TRUE(style.isShxFont());

  OdGiTextStyle fromId;
  giFromDbTextStyle(db->getTextStyleStandardId(), fromId);
  EXPECT_EQ(fromId.fileName(), OdString(u"txt"));
  EXPECT_TRUE(fromId.isShxFont());  // no typeface: the file is a shape font
  EXPECT_THROW(giFromDbTextStyle(db->getLayerZeroId(), fromId), OdError_NotThatKindOfClass);
}

}  // namespace

namespace {

TEST(DbDatabaseForReaders, AnEmptyDatabaseHoldsNoObjectsButTheHeaderDefaults) {
  OdDbDatabasePtr db = OdDbDatabase::createEmpty();
  EXPECT_TRUE(db->objectIds().empty());
  EXPECT_TRUE(db->getModelSpaceId().isNull());
  EXPECT_DOUBLE_EQ(db->getTEXTSIZE(), 2.5);
  // A reader's records take their own handles.
  OdDbObjectPtr table = OdDbSymbolTable::createObject();
  EXPECT_EQ(std::uint64_t(db->addOdDbObject(table.get(), OdDbObjectId::kNull, OdDbHandle(0x1)).getHandle()), 0x1u);
}

TEST(DbDatabaseForReaders, AdoptBuiltInsFindsRecordsByNameAndMakesTheMissingOnes) {
  OdDbDatabasePtr db = OdDbDatabase::createEmpty();
  OdDbObjectPtr layers = OdDbSymbolTable::createObject();
  const OdDbObjectId layerTable = db->addOdDbObject(layers.get(), OdDbObjectId::kNull, OdDbHandle(0x2));
  OdDbLayerTableRecordPtr zero = OdDbLayerTableRecord::createObject();
  zero->setName(u"0");
  db->addOdDbObject(zero.get(), layerTable, OdDbHandle(0x10));
  OdDbSymbolTablePtr(layerTable.peekObject())->add(zero.get());
  db->setHandseed(OdDbHandle(0x20));

  db->adoptBuiltIns(OdDbObjectId::kNull, layerTable, OdDbObjectId::kNull);
  EXPECT_EQ(db->getLayerTableId(), layerTable);
  EXPECT_EQ(std::uint64_t(db->getLayerZeroId().getHandle()), 0x10u);
  // The rest is made with handles from the seed on.
  for (const OdDbObjectId& id : {db->getBlockTableId(), db->getTextStyleTableId(), db->getModelSpaceId(),
                                 db->getPaperSpaceId(), db->getTextStyleStandardId()}) {
    ASSERT_TRUE(id.isValid());
    EXPECT_GE(std::uint64_t(id.getHandle()), 0x20u);
  }
  EXPECT_EQ(OdDbBlockTableRecordPtr(db->getModelSpaceId().peekObject())->getName(), OdString(u"*Model_Space"));
  EXPECT_EQ(db->getTEXTSTYLE(), db->getTextStyleStandardId());
}

}  // namespace
