#include "commands/text_case.h"

#include <clocale>
#include <cwctype>
#include <langinfo.h>
#include <locale.h>
#include <wctype.h>

#include <optional>

#include "commands/content_text_scan.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"

namespace text_case {

namespace {

// ---- the locale's case mapping ---------------------------------------------

bool is_utf8_locale(locale_t loc) {
  const char* name = nl_langinfo_l(CODESET, loc);
  return name && (std::string(name) == "UTF-8" || std::string(name) == "utf8");
}

// The user's locale (from the environment) when it maps UTF-8 text, else
// C.UTF-8; made once and kept for the process.
locale_t case_locale() {
  static const locale_t loc = [] {
    if (locale_t user = newlocale(LC_CTYPE_MASK, "", static_cast<locale_t>(0))) {
      if (is_utf8_locale(user)) return user;
      freelocale(user);
    }
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"})
      if (locale_t fallback = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0))) return fallback;
    return newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
  }();
  return loc;
}

constexpr bool is_high_surrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool is_low_surrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void append_code_point(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
    return;
  }
  c -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (c >> 10));
  out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

// The code point at `i` and the number of units it takes.
char32_t code_point_at(const std::u16string& text, std::size_t i, std::size_t& units) {
  if (is_high_surrogate(text[i]) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) {
    units = 2;
    return 0x10000 + ((static_cast<char32_t>(text[i]) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
  }
  units = 1;
  return text[i];
}

}  // namespace

bool is_letter(char32_t c) { return iswalpha_l(static_cast<wint_t>(c), case_locale()) != 0; }
bool is_upper(char32_t c) { return iswupper_l(static_cast<wint_t>(c), case_locale()) != 0; }
bool is_lower(char32_t c) { return iswlower_l(static_cast<wint_t>(c), case_locale()) != 0; }
char32_t to_upper(char32_t c) { return static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), case_locale())); }
char32_t to_lower(char32_t c) { return static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), case_locale())); }

// ---- the five modes ----------------------------------------------------------

namespace {

// Sentence and title: a letter is capitalised when the flag is set, else lowered.
char32_t capitalise_or_lower(char32_t c, state& s) {
  if (!s.capitalise_next) return to_lower(c);
  s.capitalise_next = false;
  return to_upper(c);
}

}  // namespace

char32_t convert(char32_t c, state& s) {
  switch (s.case_mode) {
    case sentence:
      if (is_letter(c)) return capitalise_or_lower(c, s);
      if (c == U'!' || c == U'.' || c == U'?') s.capitalise_next = true;
      return c;
    case lower: return to_lower(c);
    case upper: return to_upper(c);
    case title:
      if (is_letter(c)) return capitalise_or_lower(c, s);
      s.capitalise_next = true;
      return c;
    case toggle:
      if (is_lower(c)) return to_upper(c);
      if (is_upper(c)) return to_lower(c);
      return c;
    default: return c;
  }
}

void pass_non_letter(state& s) {
  if (s.case_mode == title) s.capitalise_next = true;
}

std::u16string convert(const std::u16string& text, state& s) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    std::size_t units = 1;
    const char32_t c = code_point_at(text, i, units);
    append_code_point(out, convert(c, s));
    i += units;
  }
  return out;
}

namespace {

// The length of a Text control code at `i` ("%%d", "%%u", "%%123"), 0 when
// none starts there; `symbol` tells a drawn character from a switch.
std::size_t control_code_at(const std::u16string& text, std::size_t i, bool& symbol) {
  if (i + 2 >= text.size() || text[i] != u'%' || text[i + 1] != u'%') return 0;
  const char16_t c = text[i + 2];
  std::size_t digits = 0;
  while (digits < 3 && i + 2 + digits < text.size() && text[i + 2 + digits] >= u'0' && text[i + 2 + digits] <= u'9')
    ++digits;
  if (digits == 3) {
    symbol = true;
    return 5;
  }
  switch (c) {
    case u'd': case u'D': case u'p': case u'P': case u'c': case u'C': symbol = true; return 3;
    case u'u': case u'U': case u'o': case u'O': case u'k': case u'K': symbol = false; return 3;
    default: return 0;
  }
}

}  // namespace

std::u16string convert_text(const std::u16string& text, int case_mode) {
  // Control codes keep their letters; a drawn symbol counts as a non-letter.
  state s(case_mode);
  std::u16string out;
  std::size_t plain_begin = 0;
  for (std::size_t i = 0; i < text.size();) {
    bool symbol = false;
    const std::size_t code = control_code_at(text, i, symbol);
    if (code == 0) {
      ++i;
      continue;
    }
    out += convert(text.substr(plain_begin, i - plain_begin), s);
    if (symbol) pass_non_letter(s);
    out += text.substr(i, code);
    i += code;
    plain_begin = i;
  }
  out += convert(text.substr(plain_begin), s);
  return out;
}

void convert_model(mtext::multitext& text, state& s) {
  for (mtext::part& p : text.parts) {
    if (p.type() == mtext::string_type) {
      auto& run = mtext::part_cast<mtext::string>(p);
      run.text = convert(run.text, s);
    } else {
      pass_non_letter(s);
    }
  }
}

namespace {

// The contents with the letters of text parts converted where they stand;
// nothing when an escaped character would have to change.
std::optional<std::u16string> convert_in_place(const std::u16string& contents, int case_mode) {
  state s(case_mode);
  std::u16string out;
  out.reserve(contents.size());
  for (const content_scan::span& sp : content_scan::scan(contents)) {
    const std::u16string written = contents.substr(sp.begin, sp.end - sp.begin);
    switch (sp.what) {
      case content_scan::text: out += convert(written, s); break;
      case content_scan::symbol:
        if (convert(sp.character, s) != sp.character) return std::nullopt;
        out += written;
        break;
      case content_scan::separator: pass_non_letter(s); out += written; break;
      case content_scan::code: out += written; break;
    }
  }
  return out;
}

std::u16string written_back(const std::u16string& contents, const mtext::format::string& base) {
  mtext::multitext model;
  mtext::parse(contents.c_str(), base, model, false);
  return mtext::serialize(model, base, 1.0);
}

}  // namespace

std::u16string convert_mtext_contents(const std::u16string& contents, int case_mode,
                                      const mtext::format::string& base) {
  mtext::multitext model;
  mtext::parse(contents.c_str(), base, model, false);
  state s(case_mode);
  convert_model(model, s);
  const std::u16string expected = mtext::serialize(model, base, 1.0);
  // The in-place result stands when the parser reads it as the converted model.
  if (const auto in_place = convert_in_place(contents, case_mode); in_place && written_back(*in_place, base) == expected)
    return *in_place;
  return expected;
}

}  // namespace text_case
