#include "mtext/parse.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "mtext/number.h"
#include "platform/sdk/OdDbField.h"

namespace mtext {

namespace {

constexpr double degrees_to_radians = 0.017453292519943295;
constexpr double stack_height_factor = 1.4285714285714286;  // 1 / 0.7
constexpr int field_evaluation_all = 63;

std::function<OdDbDatabase*()>& database_provider() {
  static std::function<OdDbDatabase*()> provider;
  return provider;
}

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hex_value(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

constexpr std::uint32_t no_part = 0xFFFFFFFFu;

// About how many parts a content makes, judged from its first few thousand
// characters (a word and its blank make two parts, a code or group ends
// one): growing the part vector as it fills would cost more than the guess.
std::size_t expected_parts(const char16_t* begin, const char16_t* end) {
  constexpr std::ptrdiff_t sample_size = 4096;
  const std::ptrdiff_t size = end - begin;
  const char16_t* sample_end = begin + std::min(size, sample_size);
  std::size_t starts = 1;
  for (const char16_t* c = begin; c != sample_end; ++c)
    if (*c == u' ') starts += 2;
    else if (*c == u'\\' || *c == u'{') ++starts;
  return static_cast<std::size_t>(static_cast<double>(starts) * static_cast<double>(size) /
                                  static_cast<double>(std::max<std::ptrdiff_t>(sample_end - begin, 1)));
}

class scanner {
public:
  scanner(const char16_t* begin, const char16_t* end, const format::string& base,
          multitext& target, bool plain)
      : cur_(begin), end_(end), target_(target), plain_(plain) {
    target_ = multitext();
    target_.parts.reserve(expected_parts(begin, end));
    formats_.push_back(base);
    current_paragraph_ = &target_.paragraph;
  }

  // Whether two neighbours may be one part (a word or run of blanks split by
  // a group or code that changed nothing); only then is merging worth a pass.
  bool neighbours_to_merge() const { return neighbours_to_merge_; }

  void run() {
    // Groups only push and pop formats, so nesting is kept as a depth count:
    // no recursion, whatever the input.
    std::size_t depth = 0;
    while (true) {
      if (read_ordinary_run()) {
        first_ = false;
      } else if (at(u'{')) {
        ++cur_;
        formats_.push_back(formats_.back());
        ++depth;
        first_ = true;
      } else if (at(u'}')) {
        ++cur_;
        if (depth > 0) {
          formats_.pop_back();
          --depth;
        }
        first_ = true;
      } else if ((!plain_ && read_code()) || read_field()) {
        first_ = true;
      } else if (cur_ == end_) {
        break;
      } else {
        read_character();
        first_ = false;
      }
    }
    spread_extended_flag();
  }

private:
  bool at(char16_t c) const { return cur_ != end_ && *cur_ == c; }
  bool at_end() const { return cur_ == end_; }
  format::string& top() { return formats_.back(); }

  // Consumes one `c` when it is next.
  bool skip(char16_t c) {
    if (!at(c)) return false;
    ++cur_;
    return true;
  }

  // ---- formatting codes --------------------------------------------------

  bool read_code() {
    if (at(u'\t')) {
      ++cur_;
      push(new tab(top()));
      return true;
    }
    if (at(u'\n')) {
      ++cur_;
      push(new new_line(top()));
      return true;
    }
    if (!at(u'\\') || cur_ + 1 == end_) return false;
    const char16_t* saved = cur_;
    cur_ += 2;
    if (read_code_body(saved[1])) return true;
    cur_ = saved;
    return false;
  }

  bool read_code_body(char16_t letter) {
    switch (letter) {
      case u'F': return read_font(true);
      case u'f': return read_font(false);
      case u'L': top().style.setUnderlined(true); return true;
      case u'l': top().style.setUnderlined(false); return true;
      case u'O': top().style.setOverlined(true); return true;
      case u'o': top().style.setOverlined(false); return true;
      case u'P': append_paragraph(false); return true;
      case u'N': append_paragraph(true); return true;
      case u'C': return read_color_index();
      case u'c': return read_true_color();
      case u'H': return read_height();
      case u'W': return read_scaled(&OdGiTextStyle::xScale, &OdGiTextStyle::setXScale, 1.0);
      case u'Q': return read_oblique();
      case u'T': return read_scaled(&OdGiTextStyle::trackingPercent,
                                    &OdGiTextStyle::setTrackingPercent, 1.0);
      case u'A': return read_align();
      case u'S': read_stack(); return true;
      case u'p': return read_paragraph();
      default: return false;
    }
  }

  void append_paragraph(bool column_break) {
    auto* opened = new new_paragraph(*current_paragraph_, top(), column_break);
    push(opened);
    current_paragraph_ = &opened->paragraph;
  }

  bool read_integer(std::uint32_t& value) {
    if (at_end() || !is_digit(*cur_)) return false;
    value = 0;
    while (!at_end() && is_digit(*cur_)) value = value * 10u + static_cast<std::uint32_t>(*cur_++ - u'0');
    return true;
  }

  bool read_color_index() {
    std::uint32_t value = 0;
    if (!read_integer(value)) return false;
    skip(u';');
    top().color.kind = 0;
    top().color.index = static_cast<std::uint16_t>(value & 0xFFFFu);
    return true;
  }

  bool read_true_color() {
    std::uint32_t value = 0;
    if (!read_integer(value)) return false;
    skip(u';');
    top().color.kind = 1;
    top().color.rgb = value;
    return true;
  }

  bool read_align() {
    std::uint32_t value = 0;
    if (!read_integer(value)) return false;
    skip(u';');
    top().align = (value == 1 || value == 2) ? value : 0;
    return true;
  }

  // A number with an optional "x" (a factor) and an optional ";".
  bool read_factor(double& value, bool& relative) {
    if (!read_number(cur_, end_, value)) return false;
    relative = skip(u'x');
    skip(u';');
    return true;
  }

  bool read_height() {
    double value = 0.0;
    bool relative = false;
    if (!read_factor(value, relative)) return false;
    top().height = relative ? value * top().height : value;
    // Parts are measured at their height: a style that says so already is
    // shared by the laid-out parts as it is.
    top().style.setTextSize(top().height);
    return true;
  }

  bool read_scaled(double (OdGiTextStyle::*get)() const, void (OdGiTextStyle::*set)(double),
                   double unit) {
    double value = 0.0;
    bool relative = false;
    if (!read_factor(value, relative)) return false;
    (top().style.*set)(relative ? value * (top().style.*get)() : value * unit);
    return true;
  }

  bool read_oblique() {
    double value = 0.0;
    bool relative = false;
    if (!read_factor(value, relative)) return false;
    OdGiTextStyle& style = top().style;
    style.setObliquingAngle(relative ? value * style.obliquingAngle() : value * degrees_to_radians);
    return true;
  }

  // ---- fonts -------------------------------------------------------------

  bool read_font(bool shape_file) {
    const char16_t* name_begin = cur_;
    while (!at_end() && *cur_ != u'|' && *cur_ != u';') ++cur_;
    if (cur_ == name_begin) return false;  // empty name or letter at the end
    std::u16string name(name_begin, cur_);
    if (shape_file && name == u".shx") {
      skip_past_semicolon();
      return true;
    }
    if (shape_file) {
      if (name.size() < 4 || name.compare(name.size() - 4, 4, u".shx") != 0) name += u".shx";
      format::set_shape_file(top().style, OdString(name));
    } else {
      top().style.setFont(OdString(name), false, false, 0, 0);
      top().style.setShxFont(false);
    }
    read_font_attributes();
    skip_past_semicolon();
    return true;
  }

  void read_font_attributes() {
    while (true) {
      const char16_t* start = cur_;
      while (!at_end() && *cur_ != u'b' && *cur_ != u'i' && *cur_ != u'c' && *cur_ != u'p' &&
             *cur_ != u';')
        ++cur_;
      if (at_end() || at(u';') || !read_font_attribute()) {
        cur_ = start;
        return;
      }
    }
  }

  bool read_font_attribute() {
    const char16_t letter = *cur_++;
    if (at_end() || at(u';')) return false;
    OdGiTextStyle& style = top().style;
    if (letter == u'b' || letter == u'i') {
      const bool on = *cur_++ == u'1';
      letter == u'b' ? format::set_bold(style, on) : format::set_italic(style, on);
      return true;
    }
    std::uint32_t value = 0;
    if (!read_integer(value)) return false;
    if (letter == u'c') format::set_charset(style, static_cast<int>(value & 0xFFu));
    else format::set_pitch_family(style, static_cast<int>(value & 0xFFu));
    return true;
  }

  void skip_past_semicolon() {
    while (!at_end() && *cur_ != u';') ++cur_;
    skip(u';');
  }

  // ---- stacks ------------------------------------------------------------

  // Characters up to an unescaped stop character; a backslash makes the next
  // character literal.
  std::u16string read_stack_text(std::u16string_view stops) {
    std::u16string text;
    while (!at_end() && stops.find(*cur_) == std::u16string_view::npos) {
      if (*cur_ == u'\\' && cur_ + 1 != end_) ++cur_;
      text += *cur_++;
    }
    return text;
  }

  void read_stack() {
    std::u16string upper = read_stack_text(u"#/;^");
    std::uint32_t kind = stack_slash;
    if (skip(u'^')) kind = stack_tolerance;
    else if (skip(u'#')) kind = stack_diagonal;
    else skip(u'/');
    std::u16string lower = read_stack_text(u";");
    skip(u';');
    format::string f = top();
    f.height *= stack_height_factor;
    push(new stack(f, std::move(upper), std::move(lower), kind));
  }

  // ---- paragraphs --------------------------------------------------------

  bool read_paragraph() {
    format::paragraph p = *current_paragraph_;
    if (skip(u'x')) px_seen_ = true;
    p.extended = px_seen_;
    while (!at_end() && !at(u';'))
      if (!read_paragraph_item(p)) return false;
    if (p.left_indent < 0.0) p.left_indent = 0.0;
    if (p.first_indent + p.left_indent < 0.0) p.first_indent = -p.left_indent;
    skip(u';');
    *current_paragraph_ = std::move(p);
    return true;
  }

  bool read_paragraph_item(format::paragraph& p) {
    const char16_t item = *cur_++;
    switch (item) {
      case u'i': return read_number(cur_, end_, p.first_indent);
      case u'l': return read_number(cur_, end_, p.left_indent);
      case u'r': return read_number(cur_, end_, p.right_indent);
      case u'b': return read_number(cur_, end_, p.space_before);
      case u'a': return read_number(cur_, end_, p.space_after);
      case u'q': read_alignment(p); return true;
      case u's': return read_line_spacing(p);
      case u't': return read_tabs(p);
      default: return true;  // starts no item: skipped
    }
  }

  void read_alignment(format::paragraph& p) {
    if (at_end()) return;
    static constexpr std::u16string_view letters = u"*lcrjd";
    const auto index = letters.find(*cur_++);
    if (index != std::u16string_view::npos) p.alignment = static_cast<std::uint32_t>(index);
  }

  bool read_line_spacing(format::paragraph& p) {
    if (at_end()) return true;
    const char16_t kind = *cur_++;
    if (kind == u'*') {
      p.line_spacing_style = format::spacing_unset;
      p.line_spacing = 1.0;
      return true;
    }
    static constexpr std::u16string_view letters = u"aem";
    const auto index = letters.find(kind);
    if (index == std::u16string_view::npos) return true;
    double factor = 0.0;
    if (!read_number(cur_, end_, factor)) return false;
    p.line_spacing_style = static_cast<std::uint32_t>(index + 1);
    p.line_spacing = factor;
    return true;
  }

  bool read_tabs(format::paragraph& p) {
    p.tabs.clear();
    do {
      if (!read_tab(p)) return false;
    } while (skip(u','));
    return true;
  }

  bool read_tab(format::paragraph& p) {
    format::tab_stop stop;
    if (skip(u'z')) {
      p.tabs.clear();
      return true;
    }
    if (skip(u'c')) stop.kind = format::tab_center;
    else if (skip(u'r')) stop.kind = format::tab_right;
    else if (at(u'D') && cur_ + 1 != end_) {
      stop.kind = format::tab_decimal;
      stop.decimal_char = cur_[1];
      cur_ += 2;
    }
    if (!read_number(cur_, end_, stop.position)) return false;
    p.tabs.push_back(stop);
    return true;
  }

  // ---- fields ------------------------------------------------------------

  bool read_field() {
    if (!at(u'%') || cur_ + 1 == end_ || cur_[1] != u'<') return false;
    const char16_t* code_begin = cur_ + 2;
    int depth = 1;
    const char16_t* p = code_begin;
    for (; p + 1 < end_; ++p) {
      if (p[0] == u'%' && p[1] == u'<') {
        ++depth;
        ++p;
      } else if (p[0] == u'>' && p[1] == u'%') {
        if (--depth == 0) break;
        ++p;
      }
    }
    if (depth != 0 || p + 1 >= end_) return false;
    append_field(OdString(cur_, static_cast<int>(p + 2 - cur_)));
    cur_ = p + 2;
    return true;
  }

  // The code goes to the field object with its markers, which the object
  // strips: a code that starts and ends with fields of its own would
  // otherwise lose their markers instead.
  void append_field(const OdString& code_with_markers) {
    OdDbFieldPtr object = OdDbField::createObject();
    object->setEvaluationOption(field_evaluation_all);
    object->setFieldCode(code_with_markers, 0, nullptr);
    if (OdDbDatabase* database = field_database())
      object->evaluate(field_evaluation_all, database);
    push(new field(top(), object));
  }

  // ---- characters --------------------------------------------------------

  void read_character() {
    char16_t c = 0;
    if (read_escape(c)) {
      append_to_word(c);
      return;
    }
    if (!read_unicode(c)) c = read_symbol();
    if (c == u' ') append_space();
    else append_to_word(c);
  }

  // "\{", "\}", "\\" and "\~": characters that always join a word, the
  // space of "\~" included.
  bool read_escape(char16_t& c) {
    if (!at(u'\\') || cur_ + 1 == end_) return false;
    const char16_t next = cur_[1];
    if (next == u'{' || next == u'}' || next == u'\\' || next == u'~') {
      c = next == u'~' ? u' ' : next;
      cur_ += 2;
      return true;
    }
    return false;
  }

  // "\U+XXXX": the code unit itself, so U+0020 is an ordinary space.
  bool read_unicode(char16_t& c) {
    if (!at(u'\\') || cur_ + 1 == end_) return false;
    const char16_t next = cur_[1];
    if ((next == u'U' || next == u'u') && end_ - cur_ >= 7 && cur_[2] == u'+') {
      int value = 0;
      for (int i = 3; i < 7; ++i) {
        const int digit = hex_value(cur_[i]);
        if (digit < 0) return false;
        value = value * 16 + digit;
      }
      c = static_cast<char16_t>(value);
      cur_ += 7;
      return true;
    }
    return false;
  }

  // "%%c", "%%d", "%%p" or one character.
  char16_t read_symbol() {
    if (at(u'%') && end_ - cur_ >= 3 && cur_[1] == u'%') {
      char16_t symbol = 0;
      switch (cur_[2]) {
        case u'c': case u'C': symbol = u'\u2205'; break;
        case u'd': case u'D': symbol = u'\u00B0'; break;
        case u'p': case u'P': symbol = u'\u00B1'; break;
        default: break;
      }
      if (symbol) {
        cur_ += 3;
        return symbol;
      }
    }
    return *cur_++;
  }

  // Characters without a meaning of their own, and runs of blanks, are
  // taken a run at a time: they are most of any text.
  static bool is_ordinary(char16_t c) {
    return c != u'{' && c != u'}' && c != u'\\' && c != u'%' && c != u' ' && c != u'\t' && c != u'\n';
  }

  // Every part goes in here, which remembers its kind: asking the last part
  // would cost a call on memory long gone cold.
  void push(part* p) { push(p, p->type()); }
  void push(part* p, std::uint32_t kind) {
    target_.parts.push_back(p);
    last_kind_ = kind;
  }
  bool last_is(std::uint32_t kind) const { return last_kind_ == kind; }

  template <class Part>
  void start_part(Part* p) {
    if (last_is(Part::kind_of_part)) neighbours_to_merge_ = true;
    push(p, Part::kind_of_part);
  }

  bool read_ordinary_run() {
    const char16_t* start = cur_;
    if (at(u' ')) {
      while (at(u' ')) ++cur_;
      append_spaces(static_cast<std::uint32_t>(cur_ - start));
      return true;
    }
    while (cur_ != end_ && is_ordinary(*cur_)) ++cur_;
    if (cur_ == start) return false;
    if (first_ || !last_is(string_type))
      start_part(new string(top(), std::u16string(start, cur_)));
    else
      part_cast<string>(target_.parts.back()).text.append(start, cur_);
    return true;
  }

  void append_spaces(std::uint32_t count) {
    if (first_ || !last_is(spaces_type))
      start_part(new spaces(top(), 0));
    part_cast<spaces>(target_.parts.back()).count += count;
  }

  void append_space() { append_spaces(1); }

  void append_to_word(char16_t c) {
    if (first_ || !last_is(string_type))
      start_part(new string(top(), std::u16string()));
    part_cast<string>(target_.parts.back()).text += c;
  }

  // When the first paragraph is in drawing units but a later one was written
  // with "\px", every later paragraph counts in text heights.
  void spread_extended_flag() {
    if (target_.paragraph.extended) return;
    bool any_extended = false;
    for (const part& p : target_.parts)
      if (p.type() == new_paragraph_type && part_cast<new_paragraph>(p).paragraph.extended)
        any_extended = true;
    if (!any_extended) return;
    for (part& p : target_.parts)
      if (p.type() == new_paragraph_type) part_cast<new_paragraph>(p).paragraph.extended = true;
  }

  const char16_t* cur_;
  const char16_t* end_;
  multitext& target_;
  std::vector<format::string> formats_;
  format::paragraph* current_paragraph_;
  bool px_seen_ = false;
  bool plain_;
  bool first_ = true;
  bool neighbours_to_merge_ = false;
  std::uint32_t last_kind_ = no_part;  // the kind of the last part pushed
};

// Adds `from` to `into` when both are strings, or both spaces, of equal format.
bool absorb(part& into, const part& from) {
  if (into.type() != from.type() || !(into.format == from.format)) return false;
  if (into.type() == string_type) {
    part_cast<string>(into).text += part_cast<string>(from).text;
    return true;
  }
  if (into.type() == spaces_type) {
    part_cast<spaces>(into).count += part_cast<spaces>(from).count;
    return true;
  }
  return false;
}

}  // namespace

bool parse(const char16_t* begin, const char16_t* end, const format::string& format,
           multitext& target, bool plain) {
  scanner(begin, end, format, target, plain).run();
  return true;
}

bool parse(const char16_t* text, const format::string& format, multitext& target, bool plain) {
  const char16_t* end = text;
  while (*end) ++end;
  scanner reader(text, end, format, target, plain);
  reader.run();
  if (reader.neighbours_to_merge()) merge_neighbours(target);
  return true;
}

void merge_neighbours(multitext& text) {
  part_vector& parts = text.parts;
  if (parts.size() < 2) return;
  // Compact in one pass: kept parts move to the front, absorbed ones to the
  // tail, which is erased at the end.
  part** slots = parts.c_array();
  std::size_t kept = 0;
  for (std::size_t i = 1; i < parts.size(); ++i) {
    if (absorb(*slots[kept], *slots[i])) continue;
    ++kept;
    std::swap(slots[kept], slots[i]);
  }
  parts.erase(parts.begin() + static_cast<long>(kept + 1), parts.end());
}

void set_field_database_provider(std::function<OdDbDatabase*()> provider) {
  database_provider() = std::move(provider);
}

OdDbDatabase* field_database() {
  const auto& provider = database_provider();
  return provider ? provider() : nullptr;
}

}  // namespace mtext
