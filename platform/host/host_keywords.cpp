// Reading keyword lists and matching typed keywords.
#include "platform/host/host_keywords.h"

namespace {

struct token {
  OdString text;
  bool quoted = false;
};

std::vector<token> split_tokens(const OdString& text) {
  std::vector<token> tokens;
  const std::u16string& s = text.str();
  std::size_t pos = 0;
  while (pos < s.size()) {
    if (s[pos] == u' ' || s[pos] == u'\t') {
      ++pos;
      continue;
    }
    token item;
    if (s[pos] == u'"') {
      const std::size_t end = s.find(u'"', pos + 1);
      const std::size_t stop = end == std::u16string::npos ? s.size() : end;
      item = {OdString(s.substr(pos + 1, stop - pos - 1)), true};
      pos = stop == s.size() ? stop : stop + 1;
    } else {
      std::size_t end = s.find_first_of(u" \t", pos);
      if (end == std::u16string::npos) end = s.size();
      item = {OdString(s.substr(pos, end - pos)), false};
      pos = end;
    }
    tokens.push_back(std::move(item));
  }
  return tokens;
}

bool is_alias(const token& item) { return !item.quoted && item.text.getLength() > 1 && item.text[0] == u'*'; }
bool is_separator(const token& item) { return !item.quoted && item.text == OdString(u"_"); }

bool starts_with_ignoring_case(const OdString& text, const OdString& prefix) {
  return prefix.getLength() <= text.getLength() && text.left(prefix.getLength()).iCompare(prefix) == 0;
}

}  // namespace

OdString host_keyword_list::display() const {
  OdString shown;
  for (std::size_t i = 0; i < keywords.size(); ++i) {
    if (i) shown += u'/';
    shown += keywords[i].local;
  }
  return shown;
}

host_keyword_list hostParseKeywords(const OdString& text) {
  host_keyword_list list;
  bool global_part = false;
  std::size_t global_index = 0;
  for (const token& item : split_tokens(text)) {
    if (is_separator(item)) {
      global_part = true;
      continue;
    }
    if (is_alias(item)) {
      if (!global_part && !list.keywords.empty()) list.keywords.back().aliases.push_back(item.text.mid(1));
      continue;
    }
    if (!global_part) {
      list.keywords.push_back({item.text, item.text, {}});
    } else if (global_index < list.keywords.size()) {
      list.keywords[global_index++].global = item.text;
    }
  }
  return list;
}

std::optional<int> hostMatchKeyword(const host_keyword_list& list, const OdString& typed) {
  if (typed.isEmpty()) return std::nullopt;
  const bool global_form = typed.getLength() > 1 && typed[0] == u'_';
  const OdString bare = global_form ? typed.mid(1) : typed;
  for (std::size_t i = 0; i < list.keywords.size(); ++i) {
    const host_keyword& keyword = list.keywords[i];
    bool exact = keyword.global.iCompare(bare) == 0;
    if (!global_form) {
      exact = exact || keyword.local.iCompare(typed) == 0;
      for (const OdString& alias : keyword.aliases) exact = exact || alias.iCompare(typed) == 0;
    }
    if (exact) return static_cast<int>(i);
  }
  if (global_form) return std::nullopt;
  std::optional<int> found;
  for (std::size_t i = 0; i < list.keywords.size(); ++i) {
    if (!starts_with_ignoring_case(list.keywords[i].local, typed)) continue;
    if (found) return std::nullopt;  // ambiguous
    found = static_cast<int>(i);
  }
  return found;
}
