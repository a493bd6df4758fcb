// Script keystrokes and mouse actions as window messages.
#include "platform/host/scripted_input.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>

#include "platform/sdk/OdString.h"

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// Blank-separated words; a double-quoted word keeps its blanks and its
// quotes (so typed text stays recognisable); \" inside quotes is a quote.
bool split_words(const std::string& text, std::vector<std::string>& words, std::string& error) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] == ' ' || text[pos] == '\t') { ++pos; continue; }
    std::string word;
    if (text[pos] == '"') {
      word += '"';
      ++pos;
      bool closed = false;
      while (pos < text.size()) {
        if (text[pos] == '\\' && pos + 1 < text.size() && (text[pos + 1] == '"' || text[pos + 1] == '\\')) {
          word += text[pos + 1];
          pos += 2;
        } else if (text[pos] == '"') {
          closed = true;
          ++pos;
          break;
        } else {
          word += text[pos++];
        }
      }
      if (!closed) { error = "unterminated quoted text"; return false; }
      word += '"';
    } else {
      while (pos < text.size() && text[pos] != ' ' && text[pos] != '\t') word += text[pos++];
    }
    words.push_back(word);
  }
  return true;
}

const std::map<std::string, std::uint32_t>& named_keys() {
  static const std::map<std::string, std::uint32_t> keys = {
      {"enter", kVkReturn}, {"return", kVkReturn}, {"esc", kVkEscape}, {"escape", kVkEscape},
      {"tab", kVkTab}, {"backspace", kVkBack}, {"back", kVkBack}, {"delete", kVkDelete},
      {"del", kVkDelete}, {"insert", kVkInsert}, {"ins", kVkInsert}, {"left", kVkLeft},
      {"right", kVkRight}, {"up", kVkUp}, {"down", kVkDown}, {"home", kVkHome}, {"end", kVkEnd},
      {"pageup", kVkPrior}, {"pgup", kVkPrior}, {"pagedown", kVkNext}, {"pgdn", kVkNext},
      {"space", kVkSpace}};
  return keys;
}

// Peels "Ctrl+", "Shift+", "Alt+" off the front of `word`.
std::uint32_t take_modifiers(std::string& word) {
  std::uint32_t modifiers = 0;
  for (bool again = true; again;) {
    again = false;
    const std::size_t plus = word.find('+');
    if (plus == std::string::npos || plus + 1 == word.size()) break;
    const std::string name = lower(word.substr(0, plus));
    std::uint32_t bit = 0;
    if (name == "ctrl" || name == "control") bit = kModControl;
    else if (name == "shift") bit = kModShift;
    else if (name == "alt") bit = kModAlt;
    if (bit) {
      modifiers |= bit;
      word.erase(0, plus + 1);
      again = true;
    }
  }
  return modifiers;
}

// The virtual key of a key name, 0 when it names none.
std::uint32_t virtual_key(const std::string& name) {
  const std::string key = lower(name);
  if (auto it = named_keys().find(key); it != named_keys().end()) return it->second;
  if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0])))
    return static_cast<std::uint32_t>(std::toupper(static_cast<unsigned char>(key[0])));
  if (key.size() >= 2 && key[0] == 'f') {
    const int number = std::atoi(key.c_str() + 1);
    if (number >= 1 && number <= 12 && key.find_first_not_of("0123456789", 1) == std::string::npos)
      return kVkF1 + static_cast<std::uint32_t>(number - 1);
  }
  return 0;
}

// The character TranslateMessage makes of a key, 0 for none.
char16_t translated_char(std::uint32_t vk, std::uint32_t modifiers) {
  if (modifiers & (kModAlt | kModControl)) return hostControlChar(vk, modifiers);
  if (const char16_t c = hostControlChar(vk, modifiers)) return c;
  if (vk == kVkSpace) return u' ';
  if (vk >= 'A' && vk <= 'Z') return (modifiers & kModShift) ? char16_t(vk) : char16_t(vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9') return char16_t(vk);
  return 0;
}

host_message message_of(std::uint32_t id, std::uintptr_t wParam, std::uint32_t modifiers,
                        const OdGePoint3d& point = {}) {
  host_message message;
  message.message = id;
  message.wParam = wParam;
  message.lParam = id == kMsgKeyDown || id == kMsgChar ? 1 : 0;  // repeat count 1
  message.modifiers = modifiers;
  message.point = point;
  return message;
}

}  // namespace

bool scriptedParsePoint(const std::string& text, OdGePoint3d& point) {
  std::vector<std::string> items;
  for (std::size_t pos = 0;;) {
    const std::size_t comma = text.find(',', pos);
    items.push_back(text.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  if (items.size() < 2 || items.size() > 3) return false;
  double coordinates[3] = {0.0, 0.0, 0.0};
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string& item = items[i];
    // strtod would also take "inf", "nan" and hexadecimal.
    if (item.empty() || item.find_first_not_of("0123456789.+-eE") != std::string::npos) return false;
    char* end = nullptr;
    coordinates[i] = std::strtod(item.c_str(), &end);
    if (end != item.c_str() + item.size() || !std::isfinite(coordinates[i])) return false;
  }
  point = OdGePoint3d(coordinates[0], coordinates[1], coordinates[2]);
  return true;
}

bool scriptedKeysToMessages(const std::string& arguments, std::vector<host_message>& messages,
                            std::string& error) {
  std::vector<std::string> words;
  if (!split_words(arguments, words, error)) return false;
  if (words.empty()) { error = "keys needs typed text or key names"; return false; }
  for (std::string word : words) {
    if (word.size() >= 2 && word.front() == '"') {
      std::u16string typed;
      if (!odUtf8ToUtf16(word.substr(1, word.size() - 2), typed)) { error = "typed text is not UTF-8"; return false; }
      for (char16_t c : typed) messages.push_back(message_of(kMsgChar, c, 0));
      continue;
    }
    const std::uint32_t modifiers = take_modifiers(word);
    const std::uint32_t vk = virtual_key(word);
    if (!vk) { error = "unknown key \"" + word + "\""; return false; }
    messages.push_back(message_of(kMsgKeyDown, vk, modifiers));
    if (const char16_t c = translated_char(vk, modifiers)) messages.push_back(message_of(kMsgChar, c, modifiers));
    messages.push_back(message_of(kMsgKeyUp, vk, modifiers));
  }
  return true;
}

bool scriptedMouseToMessages(const std::string& arguments, std::vector<host_message>& messages,
                             std::string& error) {
  std::vector<std::string> words;
  if (!split_words(arguments, words, error)) return false;
  if (words.size() != 2) { error = "mouse takes an action and a point, e.g. mouse click 10,5"; return false; }
  std::string action = words[0];
  const std::uint32_t modifiers = take_modifiers(action);
  action = lower(action);
  OdGePoint3d point;
  if (!scriptedParsePoint(words[1], point)) { error = "\"" + words[1] + "\" is not a point X,Y[,Z]"; return false; }
  const std::uint32_t left = 0x0001 | modifiers;  // MK_LBUTTON
  auto add = [&](std::uint32_t id, std::uint32_t buttons) { messages.push_back(message_of(id, buttons, modifiers, point)); };
  if (action == "move") { add(kMsgMouseMove, modifiers); return true; }
  add(kMsgMouseMove, modifiers);
  if (action == "down") add(kMsgLButtonDown, left);
  else if (action == "up") add(kMsgLButtonUp, modifiers);
  else if (action == "click") { add(kMsgLButtonDown, left); add(kMsgLButtonUp, modifiers); }
  else if (action == "dblclick") {
    add(kMsgLButtonDown, left); add(kMsgLButtonUp, modifiers);
    add(kMsgLButtonDblClk, left); add(kMsgLButtonUp, modifiers);
  } else if (action == "rclick") { add(kMsgRButtonDown, 0x0002 | modifiers); add(kMsgRButtonUp, modifiers); }
  else {
    messages.pop_back();
    error = "unknown mouse action \"" + words[0] + "\" (move, down, up, click, dblclick, rclick)";
    return false;
  }
  return true;
}
