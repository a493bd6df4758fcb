// Packing and unpacking of message parameters, on values Windows sends.
#include <gtest/gtest.h>

#include "platform/win/win_params.h"

namespace {

using namespace win;

struct key_case {
  lparam value;
  key_flags flags;
  const char* what;
};

TEST(Params, KeyMessageLParams) {
  const key_case cases[] = {
      {0x001E0001, {1, 0x1E, false, false, false}, "A pressed"},
      {0x401E0001, {1, 0x1E, false, true, false}, "A auto-repeating"},
      {0x001E0005, {5, 0x1E, false, false, false}, "A repeated five times"},
      {0xC01E0001, {1, 0x1E, false, true, true}, "A released"},
      {0x014B0001, {1, 0x4B, true, false, false}, "Left arrow, an extended key"},
      {0xC1530001, {1, 0x53, true, true, true}, "Delete released"},
  };
  for (const key_case& c : cases) {
    EXPECT_EQ(lparam_key_flags(c.value), c.flags) << c.what;
    EXPECT_EQ(repeat_count(c.value), c.flags.repeat_count) << c.what;
    EXPECT_EQ(key_lparam(c.flags), c.value) << c.what;
    // The same bits sign-extended from 32 bits read the same.
    EXPECT_EQ(lparam_key_flags(static_cast<std::int32_t>(c.value)), c.flags) << c.what;
  }
}

struct point_case {
  client_point point;
  lparam value;
};

TEST(Params, PointsTravelAsSignedWords) {
  const point_case cases[] = {
      {{0, 0}, 0},
      {{10, 20}, 0x0014000A},
      {{-1, -2}, 0xFFFEFFFF},  // above and left of a window holding the capture
      {{32767, -32768}, 0x80007FFF},
      {{-5, 300}, 0x012CFFFB},
  };
  for (const point_case& c : cases) {
    EXPECT_EQ(point_lparam(c.point), c.value) << c.point.x << "," << c.point.y;
    EXPECT_EQ(lparam_point(c.value), c.point) << c.point.x << "," << c.point.y;
    EXPECT_EQ(lparam_point(static_cast<std::int32_t>(c.value)), c.point) << c.point.x << "," << c.point.y;
  }
}

}  // namespace
