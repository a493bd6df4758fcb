// Lengths and angles as text with the drawing's precision, and back.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "platform/host/host_units.h"
#include "platform/host/scripted_host.h"

namespace {

struct length_case {
  double value;
  int luprec;
  const char* expected;
};

TEST(Units, LengthsFollowLUPREC) {
  const length_case cases[] = {
      {1.5, 4, "1.5000"},      {1.5, 0, "2"},        {2.5, 0, "2"},  // halves round to even, as printf does
      {-0.00004, 4, "0.0000"}, {-0.00006, 4, "-0.0001"}, {1234.56789, 2, "1234.57"},
      {0.125, 8, "0.12500000"}, {7.0, 12, "7.00000000"},  // precision is at most 8
      {-3.25, 1, "-3.2"},
  };
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  for (const length_case& c : cases) {
    db->setSysVar(u"LUPREC", OdResBuf::int16(static_cast<std::int16_t>(c.luprec)));
    EXPECT_EQ(hostdbRToS(c.value, -1, db.get()).toUtf8(), c.expected) << c.value << " LUPREC " << c.luprec;
  }
  // An explicit precision wins over the variable.
  EXPECT_EQ(hostdbRToS(2.0, 1, db.get()).toUtf8(), "2.0");
  EXPECT_EQ(hostdbRToS(std::nan(""), 2, db.get()).toUtf8(), "####");
}

TEST(Units, WithoutADrawingTheCurrentHostsOrFourDigits) {
  EXPECT_EQ(hostdbRToS(1.0).toUtf8(), "1.0000");
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  db->setSysVar(u"LUPREC", OdResBuf::int16(1));
  scripted_host host(db.get());
  EXPECT_EQ(hostdbRToS(1.0).toUtf8(), "1.0");
}

TEST(Units, AnglesInDegreesWithAUPREC) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  EXPECT_EQ(hostdbAngToS(std::numbers::pi / 2, -1, db.get()).toUtf8(), "90");
  db->setSysVar(u"AUPREC", OdResBuf::int16(2));
  EXPECT_EQ(hostdbAngToS(std::numbers::pi / 3, -1, db.get()).toUtf8(), "60.00");
  EXPECT_EQ(hostdbAngToS(-std::numbers::pi / 4, 1, db.get()).toUtf8(), "-45.0");
}

TEST(Units, ParsingLengths) {
  struct parse_case {
    const char16_t* text;
    bool ok;
    double value;
  } cases[] = {
      {u"12", true, 12},   {u" -0.5 ", true, -0.5}, {u"1e3", true, 1000}, {u"+2.25", true, 2.25},
      {u"", false, 0},     {u"abc", false, 0},      {u"1,5", false, 0},   {u"inf", false, 0},
      {u"0x10", false, 0}, {u"3 4", false, 0},      {u"1e999", false, 0},
  };
  for (const parse_case& c : cases) {
    double value = -99.0;
    EXPECT_EQ(hostdbDisToF(c.text, value), c.ok) << OdString(c.text).toUtf8();
    EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99.0) << OdString(c.text).toUtf8();
  }
}

TEST(Units, ParsingAnglesGivesRadians) {
  double radians = 0.0;
  ASSERT_TRUE(hostdbAngToF(u"90", radians));
  EXPECT_NEAR(radians, std::numbers::pi / 2, 1e-12);
  ASSERT_TRUE(hostdbAngToF(u"-45.5d", radians));
  EXPECT_NEAR(radians, -45.5 * std::numbers::pi / 180, 1e-12);
  EXPECT_FALSE(hostdbAngToF(u"north", radians));
  // Round trip through the text the user sees.
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  ASSERT_TRUE(hostdbAngToF(hostdbAngToS(0.6, 6, db.get()), radians));
  EXPECT_NEAR(radians, 0.6, 1e-7);
}

}  // namespace
