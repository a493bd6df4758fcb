// Script keystrokes as the window messages a real keyboard sends. Mouse
// actions, and keys as the editor takes them: tests/editor.
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
      {"Ctrl+A", {{0x100, 'A', 0x8}, {0x102, 0x01, 0x8}, {0x101, 'A', 0x8}}},
      {"Shift+a", {{0x100, 'A', 0x4}, {0x102, u'A', 0x4}, {0x101, 'A', 0x4}}},
      {"Alt+F4", {{0x100, 0x73, 0x20}, {0x101, 0x73, 0x20}}},
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
      {"F13", "unknown key \"F13\""},
      {"\"open", "unterminated quoted text"},
  };
  for (const bad_case& c : cases) {
    std::vector<host_message> messages;
    std::string error;
    EXPECT_FALSE(scriptedKeysToMessages(c.text, messages, error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

}  // namespace
