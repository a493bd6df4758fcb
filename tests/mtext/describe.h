// Compact notation of a multitext's parts for table-driven tests:
//   "ab" string, _2 two spaces, \t tab, \n line break, [1/2] stack (kinds
//   / ^ #), \P and \N paragraph breaks, %<code>% field; parts separated by "|".
#pragma once

#include <string>

#include "mtext/multitext.h"
#include "mtext/parse.h"
#include "platform/sdk/OdDbField.h"

namespace mtext_test {

inline std::string utf8(const std::u16string& s) { return OdString(s).toUtf8(); }

inline std::string describe(const mtext::part& p) {
  using namespace mtext;
  switch (p.type()) {
    case string_type: return "\"" + utf8(part_cast<string>(p).text) + "\"";
    case spaces_type: return "_" + std::to_string(part_cast<spaces>(p).count);
    case tab_type: return "\\t";
    case new_line_type: return "\\n";
    case stack_type: {
      const auto& s = part_cast<stack>(p);
      const char* separators[] = {"/", "^", "#"};
      return "[" + utf8(s.upper) + (s.kind < 3 ? separators[s.kind] : "?") + utf8(s.lower) + "]";
    }
    case new_paragraph_type: return part_cast<new_paragraph>(p).column_break ? "\\N" : "\\P";
    case field_type: return part_cast<field>(p).field_object->getFieldCode(16).toUtf8();
    default: return "?";
  }
}

inline std::string describe(const mtext::multitext& text) {
  std::string out;
  for (const mtext::part& p : text.parts) out += (out.empty() ? "" : "|") + describe(p);
  return out;
}

inline mtext::format::string base_format(double height = 2.5) {
  mtext::format::string f;
  f.height = height;
  f.style.setFont(u"Arial", false, false, 0, 34);
  f.color = {0, 256, 0};
  return f;
}

inline mtext::multitext parsed(const std::u16string& content, const mtext::format::string& base = base_format(),
                               bool plain = false) {
  mtext::multitext text;
  mtext::parse(content.c_str(), base, text, plain);
  return text;
}

}  // namespace mtext_test
