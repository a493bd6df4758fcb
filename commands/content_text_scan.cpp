#include "commands/content_text_scan.h"

#include <string_view>

#include "mtext/number.h"

namespace content_scan {

namespace {

constexpr bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hex_value(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

class reader {
public:
  explicit reader(const std::u16string& content) : s_(content) {}

  std::vector<span> run() {
    while (pos_ < s_.size()) {
      const std::size_t start = pos_;
      const span found = next();
      if (!spans_.empty() && found.what == text && spans_.back().what == text && spans_.back().end == start)
        spans_.back().end = pos_;
      else
        spans_.push_back(found);
    }
    return std::move(spans_);
  }

private:
  char16_t at(std::size_t i) const { return i < s_.size() ? s_[i] : char16_t(0); }
  span make(std::size_t begin, kind what, char16_t c = 0) const { return span{begin, pos_, what, c}; }

  span next() {
    const std::size_t start = pos_;
    const char16_t c = s_[pos_];
    if (c == u'{' || c == u'}') return ++pos_, make(start, code);
    if (c == u'\t' || c == u'\n') return ++pos_, make(start, separator);
    if (c == u'\\' && pos_ + 1 < s_.size()) {
      if (read_code()) return make(start, last_kind_);
      if (char16_t escaped = 0; read_escape(escaped)) return make(start, symbol, escaped);
    }
    if (c == u'%' && at(pos_ + 1) == u'<' && read_field()) return make(start, separator);
    if (char16_t sym = read_symbol(); sym != 0) return make(start, symbol, sym);
    ++pos_;
    return make(start, text);
  }

  // "\X..." codes, as the parser takes them.
  bool read_code() {
    const std::size_t saved = pos_;
    pos_ += 2;
    if (read_code_body(s_[saved + 1])) return true;
    pos_ = saved;
    return false;
  }

  bool read_code_body(char16_t letter) {
    last_kind_ = code;
    switch (letter) {
      case u'L': case u'l': case u'O': case u'o': return true;
      case u'P': case u'N': last_kind_ = separator; return true;
      case u'F': case u'f': return read_font();
      case u'C': case u'c': case u'A': return read_integer_code();
      case u'H': case u'W': case u'Q': case u'T': return read_factor_code();
      case u'S': last_kind_ = separator; read_stack(); return true;
      case u'p': return read_paragraph();
      default: return false;
    }
  }

  bool skip(char16_t c) {
    if (at(pos_) != c || pos_ >= s_.size()) return false;
    ++pos_;
    return true;
  }

  void skip_past_semicolon() {
    while (pos_ < s_.size() && s_[pos_] != u';') ++pos_;
    skip(u';');
  }

  bool read_font() {
    const std::size_t name_begin = pos_;
    while (pos_ < s_.size() && s_[pos_] != u'|' && s_[pos_] != u';') ++pos_;
    if (pos_ == name_begin) return false;
    skip_past_semicolon();
    return true;
  }

  bool read_integer_code() {
    if (!is_digit(at(pos_))) return false;
    while (is_digit(at(pos_))) ++pos_;
    skip(u';');
    return true;
  }

  bool read_factor_code() {
    const char16_t* cur = s_.data() + pos_;
    double value = 0.0;
    if (!mtext::read_number(cur, s_.data() + s_.size(), value)) return false;
    pos_ = static_cast<std::size_t>(cur - s_.data());
    skip(u'x');
    skip(u';');
    return true;
  }

  void read_stack_text(std::u16string_view stops) {
    while (pos_ < s_.size() && stops.find(s_[pos_]) == std::u16string_view::npos) {
      if (s_[pos_] == u'\\' && pos_ + 1 < s_.size()) ++pos_;
      ++pos_;
    }
  }

  void read_stack() {
    read_stack_text(u"#/;^");
    if (!skip(u'^') && !skip(u'#')) skip(u'/');
    read_stack_text(u";");
    skip(u';');
  }

  // A paragraph code runs to its ";"; the parser refuses one whose items
  // do not read, which the caller's check against the parser catches.
  bool read_paragraph() {
    skip_past_semicolon();
    return true;
  }

  bool read_field() {
    int depth = 1;
    std::size_t p = pos_ + 2;
    for (; p + 1 < s_.size(); ++p) {
      if (s_[p] == u'%' && s_[p + 1] == u'<') {
        ++depth;
        ++p;
      } else if (s_[p] == u'>' && s_[p + 1] == u'%') {
        if (--depth == 0) break;
        ++p;
      }
    }
    if (depth != 0 || p + 1 >= s_.size()) return false;
    pos_ = p + 2;
    return true;
  }

  bool read_escape(char16_t& c) {
    const char16_t next = s_[pos_ + 1];
    if (next == u'{' || next == u'}' || next == u'\\' || next == u'~') {
      c = next == u'~' ? u' ' : next;
      pos_ += 2;
      return true;
    }
    if ((next == u'U' || next == u'u') && pos_ + 7 <= s_.size() && s_[pos_ + 2] == u'+') {
      int value = 0;
      for (std::size_t i = 3; i < 7; ++i) {
        const int digit = hex_value(s_[pos_ + i]);
        if (digit < 0) return false;
        value = value * 16 + digit;
      }
      c = static_cast<char16_t>(value);
      pos_ += 7;
      return true;
    }
    return false;
  }

  char16_t read_symbol() {
    if (s_[pos_] != u'%' || at(pos_ + 1) != u'%' || pos_ + 3 > s_.size()) return 0;
    char16_t symbol = 0;
    switch (s_[pos_ + 2]) {
      case u'c': case u'C': symbol = u'\u2205'; break;
      case u'd': case u'D': symbol = u'\u00B0'; break;
      case u'p': case u'P': symbol = u'\u00B1'; break;
      default: return 0;
    }
    pos_ += 3;
    return symbol;
  }

  const std::u16string& s_;
  std::size_t pos_ = 0;
  kind last_kind_ = code;
  std::vector<span> spans_;
};

}  // namespace

std::vector<span> scan(const std::u16string& content) { return reader(content).run(); }

}  // namespace content_scan
