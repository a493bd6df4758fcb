// The profile: sections, values with the module's defaults, and the
// conversions of profile values.
#include <gtest/gtest.h>

#include "platform/host/IApp.h"
#include "platform/host/host_memory_profile.h"
#include "platform/host/scripted_host.h"

namespace {

TEST(Profile, ModuleDefaultsUntilTheHostStoresAValue) {
  host_memory_profile profile;
  // The toolbar position and icon set the module reads from section TXPAD.
  EXPECT_EQ(hostProfileValue(&profile, u"TXPAD", u"ptpos.x", 200).asInt(), 200);
  EXPECT_TRUE(profile.hasSection(u"TXPAD"));  // opening creates it

  ASSERT_TRUE(profile.openSection(u"TXPAD"));
  ASSERT_TRUE(profile.setValue(u"ptpos.x", 640));
  EXPECT_EQ(hostProfileValue(&profile, u"TXPAD", u"ptpos.x", 200).asInt(), 640);
  EXPECT_EQ(hostProfileValue(&profile, u"OTHER", u"ptpos.x", 200).asInt(), 200);
  EXPECT_EQ(hostProfileValue(nullptr, u"TXPAD", u"ptpos.x", 200).asInt(), 200);
}

TEST(Profile, SectionsKeepTheirOwnValues) {
  host_memory_profile profile;
  EXPECT_FALSE(profile.setValue(u"x", 1));  // no section open
  EXPECT_FALSE(profile.openSection(u"MISSING", false));
  profile.openSection(u"A");
  profile.setValue(u"x", 1);
  profile.openSection(u"B");
  profile.setValue(u"x", u"two");
  profile.openSection(u"A");
  EXPECT_EQ(profile.getValue(u"x"), CHostVariant(1));
  EXPECT_EQ(profile.valueNames(), std::vector<OdString>{u"x"});
  EXPECT_TRUE(profile.getValue(u"y").isEmpty());
}

TEST(Profile, TheScriptedHostsProfileIsReachedThroughTheApp) {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  scripted_host host(db.get());
  IProfile* profile = hostProfile();
  ASSERT_EQ(profile, host.app().profile());
  profile->openSection(u"TXPAD");
  profile->setValue(u"ptpos.y", 12.0);
  EXPECT_EQ(hostProfileValue(hostProfile(), u"TXPAD", u"ptpos.y", 300).asInt(), 12);
}

TEST(HostVariant, Conversions) {
  EXPECT_EQ(CHostVariant(2.6).asInt(), 3);
  EXPECT_EQ(CHostVariant(-2.5).asInt(), -3);  // half away from zero
  EXPECT_EQ(CHostVariant(1e20).asInt(7), 7);  // out of range keeps the fallback
  EXPECT_DOUBLE_EQ(CHostVariant(4).asDouble(), 4.0);
  EXPECT_EQ(CHostVariant(u"12").asInt(5), 5);  // strings are not numbers
  EXPECT_EQ(CHostVariant(0.1).asString(), OdString(u"0.10000000000000001"));
  EXPECT_EQ(CHostVariant(-7).asString(), OdString(u"-7"));
  EXPECT_EQ(CHostVariant().asString(), OdString());
  EXPECT_FALSE(CHostVariant(1) == CHostVariant(1.0));
}

}  // namespace
