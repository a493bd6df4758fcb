// printf-style formatting of wide messages from typed arguments.
#include <gtest/gtest.h>

#include "platform/host/host_printf.h"

namespace {

TEST(HostFormat, Conversions) {
  const OdString name(u"Größe");
  struct format_case {
    OdString got;
    const char16_t* expected;
  } cases[] = {
      {hostFormat(u"%s", u"plain"), u"plain"},
      {hostFormat(u"[%s]", name), u"[Größe]"},
      {hostFormat(u"%s", std::string("utf-8 \xC3\xA9")), u"utf-8 é"},
      {hostFormat(u"%d objects", 3), u"3 objects"},
      {hostFormat(u"%5d|%-5d|%05d", 42, 42, 42), u"   42|42   |00042"},
      {hostFormat(u"%x %X %u", 255, 255u, 7u), u"ff FF 7"},
      {hostFormat(u"%.2f %g %e", 1.005, 0.5, 1500.0), u"1.00 0.5 1.500000e+03"},
      {hostFormat(u"%8.3s|", u"abcdef"), u"     abc|"},
      {hostFormat(u"%c%c", char16_t(u'é'), 65), u"éA"},
      {hostFormat(u"100%%"), u"100%"},
      {hostFormat(u"%ls and %lf", u"wide", 2.5), u"wide and 2.500000"},
  };
  for (const format_case& c : cases) EXPECT_EQ(c.got, OdString(c.expected)) << c.got.toUtf8();
}

TEST(HostFormat, MismatchedOrMissingArgumentsAreMarkedNotRead) {
  EXPECT_EQ(hostFormat(u"%d", u"text"), OdString(u"(?)"));
  EXPECT_EQ(hostFormat(u"%s", 5), OdString(u"(?)"));
  EXPECT_EQ(hostFormat(u"%s and %s", u"one"), OdString(u"one and (?)"));
  EXPECT_EQ(hostFormat(u"%q", 1), OdString(u"(?)"));
  EXPECT_EQ(hostFormat(u"trailing %"), OdString(u"trailing (?)"));
  // Absurd widths are cut to three digits instead of failing.
  EXPECT_EQ(hostFormat(u"%99999999999d", 1).getLength(), 999);
}

}  // namespace
