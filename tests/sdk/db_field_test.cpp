#include <gtest/gtest.h>

#include <ctime>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

namespace {

std::string today(const char* strftimeFormat) {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  char buffer[64];
  std::strftime(buffer, sizeof buffer, strftimeFormat, &t);
  return buffer;
}

struct DbField : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();

  OdString evaluated(const OdString& code) {
    OdDbFieldPtr field = OdDbField::createObject();
    field->setEvaluationOption(OdDbField::kAutomatic);
    field->setFieldCode(code);
    field->evaluate(OdDbField::kAutomatic, db.get());
    return field->getValue();
  }
};

TEST_F(DbField, CodeComesBackWithOrWithoutMarkers) {
  for (const char16_t* given : {u"%<\\AcVar Date \\f \"M/d/yyyy\">%", u"\\AcVar Date \\f \"M/d/yyyy\""}) {
    OdDbFieldPtr field = OdDbField::createObject();
    field->setFieldCode(given);
    EXPECT_EQ(field->getFieldCode(OdDbField::kAddMarkers), OdString(u"%<\\AcVar Date \\f \"M/d/yyyy\">%"));
    EXPECT_EQ(field->getFieldCode(0), OdString(u"\\AcVar Date \\f \"M/d/yyyy\""));
    EXPECT_EQ(field->getFormat(), OdString(u"M/d/yyyy"));
  }
  // Inner markers of a nested code are not outer markers.
  OdDbFieldPtr nested = OdDbField::createObject();
  nested->setFieldCode(u"\\AcObjProp Object(%<\\_ObjId 5>%).Height");
  EXPECT_EQ(nested->getFieldCode(0), OdString(u"\\AcObjProp Object(%<\\_ObjId 5>%).Height"));
}

TEST_F(DbField, DateUsesItsFormatAndTheCurrentDate) {
  EXPECT_EQ(evaluated(u"%<\\AcVar Date \\f \"dd.MM.yyyy\">%").toUtf8(), today("%d.%m.%Y"));
  EXPECT_EQ(evaluated(u"%<\\AcVar Date \\f \"yyyy-MM-dd\">%").toUtf8(), today("%Y-%m-%d"));
  const std::string us = evaluated(u"%<\\AcVar Date \\f \"M/d/yyyy\">%").toUtf8();
  std::tm t{};
  const std::time_t now = std::time(nullptr);
  localtime_r(&now, &t);
  EXPECT_EQ(us, std::to_string(t.tm_mon + 1) + "/" + std::to_string(t.tm_mday) + "/" + std::to_string(t.tm_year + 1900));
}

TEST_F(DbField, FilenameGivesNameExtensionOrPath) {
  db->setFilename(u"/home/user/plans/floor.dxf");
  EXPECT_EQ(evaluated(u"%<\\AcVar Filename>%"), OdString(u"floor.dxf"));
  EXPECT_EQ(evaluated(u"%<\\AcVar Filename \\f \"%fn1\">%"), OdString(u"floor"));
  EXPECT_EQ(evaluated(u"%<\\AcVar Filename \\f \"%fn6\">%"), OdString(u"/home/user/plans/floor.dxf"));
  db->setFilename(OdString());
  EXPECT_EQ(evaluated(u"%<\\AcVar Filename>%"), OdString(u"####"));
}

TEST_F(DbField, ObjectPropertyReadsAnotherObjectByHandle) {
  OdDbTextPtr text = OdDbText::createObject();
  text->setTextString(u"Door 12");
  text->setHeight(2.5);
  text->setLayer(u"0");
  const OdDbObjectId id = db->addEntity(text.get());
  const std::u16string handle = OdString::fromUtf8(std::to_string(std::uint64_t(id.getHandle()))).str();
  const auto code = [&](const char16_t* prop) {
    return OdString(u"%<\\AcObjProp Object(%<\\_ObjId " + handle + u">%)." + prop + u">%");
  };
  EXPECT_EQ(evaluated(code(u"TextString")), OdString(u"Door 12"));
  EXPECT_EQ(evaluated(code(u"Height")), OdString(u"2.5000"));  // LUPREC 4 decimals
  db->setSysVar(u"LUPREC", OdResBuf::int16(1));
  EXPECT_EQ(evaluated(code(u"Height")), OdString(u"2.5"));
  EXPECT_EQ(evaluated(code(u"Layer")), OdString(u"0"));
  EXPECT_EQ(evaluated(code(u"Contents")), OdString(u"####"));  // not a Text property
  EXPECT_EQ(evaluated(u"%<\\AcObjProp Object(%<\\_ObjId 999999>%).TextString>%"), OdString(u"####"));

  OdDbMTextPtr mtext = OdDbMText::createObject();
  mtext->setContents(u"A\\PB");
  const OdDbObjectId mid = db->addEntity(mtext.get());
  const std::u16string mhandle = OdString::fromUtf8(std::to_string(std::uint64_t(mid.getHandle()))).str();
  EXPECT_EQ(evaluated(OdString(u"\\AcObjProp Object(%<\\_ObjId " + mhandle + u">%).Contents")), OdString(u"A\\PB"));
}

TEST_F(DbField, EvaluateFieldsReachesPostedAndHeldFields) {
  db->setFilename(u"C:\\work\\site.dxf");
  OdDbFieldPtr posted = OdDbField::createObject();
  posted->setFieldCode(u"%<\\AcVar Filename>%");
  EXPECT_FALSE(posted->postInDatabase(db.get()).isNull());

  OdDbMTextPtr mtext = OdDbMText::createObject();
  OdDbFieldPtr held = OdDbField::createObject();
  held->setFieldCode(u"%<\\AcVar Filename \\f \"%fn1\">%");
  mtext->setField(u"TEXT", held.get());  // before the text joins the database
  db->addEntity(mtext.get());

  EXPECT_EQ(oddbEvaluateFields(db.get()), 2);
  EXPECT_EQ(posted->getValue(), OdString(u"site.dxf"));
  EXPECT_EQ(held->getValue(), OdString(u"site"));
  EXPECT_THROW(oddbEvaluateFields(nullptr), OdError);
}

}  // namespace
