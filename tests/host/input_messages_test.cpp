// Script keystrokes and mouse actions as the window messages a real
// keyboard and mouse send.
#include <gtest/gtest.h>

#include "platform/host/scripted_input.h"

namespace {

struct expected_message {
  std::uint32_t message;
  std::uintptr_t wParam;
  std::uint32_t modifiers;
};

std::vector<expected_message> keys(const std::string& text) {
  std::vector<host_message> messages;
  std::string error;
  EXPECT_TRUE(scriptedKeysToMessages(text, messages, error)) << text << ": " << error;
  std::vector<expected_message> out;
  for (const host_message& m : messages) out.push_back({m.message, m.wParam, m.modifiers});
  return out;
}

bool operator==(const expected_message& a, const expected_message& b) {
  return a.message == b.message && a.wParam == b.wParam && a.modifiers == b.modifiers;
}

void PrintTo(const expected_message& m, std::ostream* out) {
  *out << std::hex << "{0x" << m.message << ", 0x" << m.wParam << ", 0x" << m.modifiers << "}";
}

TEST(ScriptedKeys, NamedKeysSendDownTranslatedCharacterAndUp) {
  struct key_case {
    const char* text;
    std::vector<expected_message> expected;
  } cases[] = {
      {"Enter", {{0x100, 0x0D, 0}, {0x102, u'\r', 0}, {0x101, 0x0D, 0}}},
      {"Ctrl+Enter", {{0x100, 0x0D, 0x8}, {0x102, u'\n', 0x8}, {0x101, 0x0D, 0x8}}},
      {"Shift+Left", {{0x100, 0x25, 0x4}, {0x101, 0x25, 0x4}}},
      {"ctrl+shift+end", {{0x100, 0x23, 0xC}, {0x101, 0x23, 0xC}}},
      {"Ctrl+A", {{0x100, 'A', 0x8}, {0x102, 0x01, 0x8}, {0x101, 'A', 0x8}}},
      {"a", {{0x100, 'A', 0}, {0x102, u'a', 0}, {0x101, 'A', 0}}},
      {"Shift+a", {{0x100, 'A', 0x4}, {0x102, u'A', 0x4}, {0x101, 'A', 0x4}}},
      {"Alt+F4", {{0x100, 0x73, 0x20}, {0x101, 0x73, 0x20}}},
      {"Backspace", {{0x100, 0x08, 0}, {0x102, 0x08, 0}, {0x101, 0x08, 0}}},
      {"F12", {{0x100, 0x7B, 0}, {0x101, 0x7B, 0}}},
  };
  for (const key_case& c : cases) EXPECT_EQ(keys(c.text), c.expected) << c.text;
}

TEST(ScriptedKeys, QuotedTextIsTypedCharacters) {
  const std::vector<expected_message> expected = {
      {0x102, u'a', 0}, {0x102, u' ', 0}, {0x102, u'"', 0}, {0x102, u'é', 0}, {0x100, 0x09, 0}, {0x102, u'\t', 0}, {0x101, 0x09, 0}};
  EXPECT_EQ(keys("\"a \\\"\xC3\xA9\" Tab"), expected);
  // A character outside the basic plane is two UTF-16 units.
  EXPECT_EQ(keys("\"\xF0\x9F\x98\x80\"").size(), 2u);
}

TEST(ScriptedKeys, BadKeysAreRefusedWithTheReason) {
  struct bad_case {
    const char* text;
    const char* error;
  } cases[] = {
      {"", "keys needs typed text or key names"},
      {"Ctrl+", "unknown key \"Ctrl+\""},
      {"F13", "unknown key \"F13\""},
      {"Hyper+A", "unknown key \"Hyper+A\""},
      {"\"open", "unterminated quoted text"},
  };
  for (const bad_case& c : cases) {
    std::vector<host_message> messages;
    std::string error;
    EXPECT_FALSE(scriptedKeysToMessages(c.text, messages, error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST(ScriptedMouse, ActionsMoveFirstThenPress) {
  std::vector<host_message> messages;
  std::string error;
  ASSERT_TRUE(scriptedMouseToMessages("Shift+dblclick 3,4", messages, error)) << error;
  const std::vector<std::uint32_t> ids = {0x200, 0x201, 0x202, 0x203, 0x202};
  ASSERT_EQ(messages.size(), ids.size());
  for (std::size_t i = 0; i < ids.size(); ++i) {
    EXPECT_EQ(messages[i].message, ids[i]) << i;
    EXPECT_TRUE(messages[i].point.isEqualTo({3, 4, 0})) << i;
    EXPECT_EQ(messages[i].modifiers, kModShift) << i;
  }
  EXPECT_EQ(messages[1].wParam, 0x1u | kModShift);  // MK_LBUTTON with MK_SHIFT
  messages.clear();
  EXPECT_FALSE(scriptedMouseToMessages("click 3", messages, error));
  EXPECT_EQ(error, "\"3\" is not a point X,Y[,Z]");
  EXPECT_FALSE(scriptedMouseToMessages("click", messages, error));
  EXPECT_TRUE(messages.empty());
}

TEST(ScriptedPoints, OnlyTwoOrThreeFiniteDecimals) {
  OdGePoint3d p;
  EXPECT_TRUE(scriptedParsePoint("1,2", p));
  EXPECT_TRUE(scriptedParsePoint("-1.5,2e2,3", p));
  EXPECT_TRUE(p.isEqualTo({-1.5, 200, 3}));
  for (const char* bad : {"1", "1,2,3,4", "1,,2", "a,b", "1, 2", "inf,1", "nan,0", "1e400,0", ""})
    EXPECT_FALSE(scriptedParsePoint(bad, p)) << bad;
}

}  // namespace
