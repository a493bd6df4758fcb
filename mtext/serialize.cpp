#include "mtext/serialize.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "mtext/format_algebra.h"
#include "mtext/number.h"
#include "platform/sdk/OdDbField.h"

namespace mtext {

namespace {

constexpr double radians_to_degrees = 57.29577951308232;
constexpr int field_code_with_markers = 16;
constexpr int height_digits = 6;
constexpr int digits = 5;

void write_number(std::u16string& out, double value, int significant = digits) {
  out += format_number(value, significant);
}

void write_integer(std::u16string& out, long long value) {
  for (const char c : std::to_string(value)) out += static_cast<char16_t>(c);
}

char16_t stack_separator(std::uint32_t kind) {
  switch (kind) {
    case stack_slash: return u'/';
    case stack_tolerance: return u'^';
    case stack_diagonal: return u'#';
    default: return 0;
  }
}

// ---- format differences ---------------------------------------------------

std::uint32_t difference_level(const format::string& base, const format::string& f) {
  if (f == base) return 0;
  return format::is_default_format(format::merge(base, f)) ? 1 : 2;
}

void write_braces(std::u16string& out, std::uint32_t group, std::uint32_t level) {
  if (group == 0 && level != 0) out += u'{';
  else if (group != 0 && level == 0) out += u'}';
  else if (group == 2 && level == 1) out += u"}{";
}

constexpr std::u16string_view shape_extension = u".shx";

bool has_shape_extension(std::u16string_view name) {
  return name.size() >= shape_extension.size() &&
         name.substr(name.size() - shape_extension.size()) == shape_extension;
}

// The reader adds ".shx" to a name without it, so the extension is left out
// only where the reader puts it back.
std::u16string shape_file_code_name(const std::u16string& name) {
  if (!has_shape_extension(name)) return name;
  const std::u16string_view stem = std::u16string_view(name).substr(0, name.size() - shape_extension.size());
  return stem.empty() || has_shape_extension(stem) ? name : std::u16string(stem);
}

void write_font(std::u16string& out, const format::string_partial& p, const format::string& f,
                const format::string& running) {
  format::font_change font = p.font;
  if (font.kind == 2) {
    const format::font_in_force in_force = format::font_of(f.style);
    const OdTtfDescriptor& ttf = f.style.ttfDecriptor();
    font = {in_force.name.str(), ttf.pitchAndFamily(), ttf.charSet(), in_force.shx ? 1 : 0};
  }
  if (font.kind == 1) {
    out += u"\\F" + shape_file_code_name(font.name.str()) + u"|c";
    write_integer(out, font.charset);
    out += u';';
    return;
  }
  const bool bold = p.bold != tri::unset ? p.bold == tri::on : running.style.ttfDecriptor().isBold();
  const bool italic =
      p.italic != tri::unset ? p.italic == tri::on : running.style.ttfDecriptor().isItalic();
  out += u"\\f" + font.name.str() + (bold ? u"|b1" : u"|b0") + (italic ? u"|i1" : u"|i0") + u"|c";
  write_integer(out, font.charset);
  out += u"|p";
  write_integer(out, font.pitch_family);
  out += u';';
}

void write_color(std::u16string& out, const color& c) {
  if (c.kind == 0) out += u"\\C", write_integer(out, c.index);
  else if (c.kind == 1) out += u"\\c", write_integer(out, c.rgb);
  else return;
  out += u';';
}

// The reader takes no "inf" or "nan" for a number but reads them as text, so
// a value no number expresses is not written.
void write_number_code(std::u16string& out, std::u16string_view code, double value,
                       std::u16string_view end = u";", int significant = digits) {
  if (!std::isfinite(value)) return;
  out += code;
  write_number(out, value, significant);
  out += end;
}

// Heights go as factors, except after a zero height, which no factor leads on from.
void write_height(std::u16string& out, double factor, double height) {
  if (std::isfinite(factor)) write_number_code(out, u"\\H", factor, u"x;", height_digits);
  else write_number_code(out, u"\\H", height, u";", height_digits);
}

void write_codes(std::u16string& out, const format::string_partial& p, const format::string& f,
                 const format::string& running, serialize_state& state) {
  if (p.height && std::fabs(p.height->value - 1.0) > 1.1e-6) write_height(out, p.height->value, f.height);
  if (p.font.kind != 2 || p.bold != tri::unset || p.italic != tri::unset)
    write_font(out, p, f, running);
  if (p.underline != tri::unset) out += p.underline == tri::on ? u"\\L" : u"\\l";
  if (p.overline != tri::unset) out += p.overline == tri::on ? u"\\O" : u"\\o";
  if (p.color) write_color(out, *p.color);
  if (p.width) write_number_code(out, u"\\W", *p.width);
  if (p.oblique) write_number_code(out, u"\\Q", *p.oblique * radians_to_degrees);
  if (p.tracking) write_number_code(out, u"\\T", *p.tracking);
  if (p.align && *p.align != 1) {
    out += u"\\A";
    write_integer(out, *p.align);
    out += u';';
    state.stack_align = 2;
  }
}

void write_difference(std::u16string& out, const format::string& base,
                      const format::string& running, const format::string& f,
                      serialize_state& state, bool close_stack_group) {
  const std::uint32_t level = difference_level(base, f);
  if (state.stack_group_open && close_stack_group) {
    out += u'}';
    state.stack_group_open = false;
  }
  write_braces(out, state.group, level);
  const std::uint32_t group = state.group;
  state.group = level;
  if (level == 0) return;
  const format::string_partial p =
      (group == 2 && level == 1) ? format::merge(base, f) : format::merge(running, f);
  write_codes(out, p, f, running, state);
}

// ---- paragraphs -----------------------------------------------------------

char16_t alignment_letter(std::uint32_t alignment) {
  static constexpr std::u16string_view letters = u"*lcrjd";
  return alignment < letters.size() ? letters[alignment] : u'*';
}

char16_t spacing_letter(std::uint32_t style) {
  static constexpr std::u16string_view letters = u"*aem";
  return style < letters.size() ? letters[style] : u'*';
}

void write_tab(std::u16string& out, const format::tab_stop& stop, int significant) {
  if (stop.kind == format::tab_center) out += u'c';
  else if (stop.kind == format::tab_right) out += u'r';
  else if (stop.kind == format::tab_decimal) out += u'D', out += stop.decimal_char;
  write_number(out, stop.position, significant);
}

void write_paragraph_code(std::u16string& out, const std::u16string& items, bool& px_written) {
  out += px_written ? u"\\p" : u"\\px";
  out += items;
  out += u';';
  px_written = true;
}

std::u16string full_paragraph_items(double scale, const format::paragraph& p) {
  const auto length = [&](double v) { return p.extended ? v : v / scale; };
  std::u16string items;
  const std::pair<char16_t, double> distances[] = {
      {u'i', p.first_indent}, {u'l', p.left_indent}, {u'r', p.right_indent},
      {u'b', p.space_before}, {u'a', p.space_after}};
  for (const auto& [letter, value] : distances) {
    if (letter != u'i') items += u',';
    items += letter;
    write_number(items, length(value));
  }
  if (p.alignment != format::alignment_unset) items += u'q', items += alignment_letter(p.alignment);
  if (p.line_spacing_style != format::spacing_unset) {
    items += u's';
    items += spacing_letter(p.line_spacing_style);
    write_number(items, p.line_spacing);
  }
  if (!p.tabs.empty()) {
    std::vector<format::tab_stop> stops = p.tabs;
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.position < b.position; });
    items += u",t";
    for (std::size_t i = 0; i < stops.size(); ++i) {
      if (i > 0 && stops[i].position == stops[i - 1].position) continue;
      if (i > 0) items += u',';
      write_tab(items, stops[i], digits);
    }
  }
  return items;
}

std::u16string paragraph_difference_items(const format::paragraph_partial& d) {
  std::u16string items;
  bool number_written = false;
  const std::pair<char16_t, const std::optional<double>*> distances[] = {
      {u'i', &d.first_indent}, {u'l', &d.left_indent}, {u'r', &d.right_indent},
      {u'b', &d.space_before}, {u'a', &d.space_after}};
  for (const auto& [letter, value] : distances) {
    if (!*value) continue;
    if (!items.empty()) items += u',';
    items += letter;
    write_number(items, **value);
    number_written = true;
  }
  if (d.alignment) items += u'q', items += alignment_letter(*d.alignment);
  if (d.line_spacing) {
    items += u's';
    items += spacing_letter(d.line_spacing->style);
    if (d.line_spacing->style != format::spacing_unset) {
      write_number(items, d.line_spacing->factor);
      number_written = true;
    }
  }
  if (d.tabs) {
    if (!items.empty()) items += u',';
    items += u't';
    if (d.tabs->empty()) items += u'z';
    const int significant = number_written ? digits : height_digits;
    for (std::size_t i = 0; i < d.tabs->size(); ++i) {
      if (i > 0) items += u',';
      write_tab(items, (*d.tabs)[i], significant);
    }
  }
  return items;
}

// ---- part contents --------------------------------------------------------

void write_unicode_escape(std::u16string& out, char16_t c) {
  static constexpr char16_t hex[] = u"0123456789ABCDEF";
  out += u"\\U+";
  for (int shift = 12; shift >= 0; shift -= 4) out += hex[(c >> shift) & 0xF];
}

bool ends_with(const std::u16string& out, std::u16string_view tail) {
  return out.size() >= tail.size() && out.compare(out.size() - tail.size(), tail.size(), tail) == 0;
}

// After "%" the reader takes "<" for the start of a field, and after "%%" a
// c, d or p for a symbol, whichever part wrote the percent signs.
bool read_as_code(const std::u16string& out, char16_t c) {
  if (c == u'<') return ends_with(out, u"%");
  return std::u16string_view(u"cCdDpP").find(c) != std::u16string_view::npos && ends_with(out, u"%%");
}

void write_text(std::u16string& out, const std::u16string& text, bool plain_spaces) {
  for (const char16_t c : text) {
    switch (c) {
      case u'\u00B0': out += u"%%d"; break;
      case u'\u00B1': out += u"%%p"; break;
      case u'\u2205': out += u"%%c"; break;
      case u' ': out += plain_spaces ? u" " : u"\\~"; break;
      case u'\\': case u'{': case u'}': out += u'\\', out += c; break;
      // A zero would end the content, and a line feed would come back as a
      // line break, whose characters are CR LF.
      case u'\0': case u'\n': write_unicode_escape(out, c); break;
      default:
        if (read_as_code(out, c)) write_unicode_escape(out, c);
        else out += c;
    }
  }
}

// A backslash makes the reader take the next character of a stack text
// literally, so every character that would end the text is escaped.
void write_stack_text(std::u16string& out, const std::u16string& text, std::u16string_view ends) {
  for (const char16_t c : text) {
    if (c == u'\\' || ends.find(c) != std::u16string_view::npos) out += u'\\';
    out += c;
  }
}

void write_stack(std::u16string& out, const stack& s, serialize_state& state) {
  if (!state.stack_group_open) {
    out += u"{\\H0.7x;";
    state.stack_group_open = true;
  }
  out += u"\\S";
  write_stack_text(out, s.upper, u";/^#");
  if (const char16_t separator = stack_separator(s.kind)) out += separator;
  write_stack_text(out, s.lower, u";");
  out += u';';
  if (state.stack_align == 0) state.stack_align = 1;
}

std::u16string field_code(const field& f) {
  return f.field_object ? f.field_object->getFieldCode(field_code_with_markers).str() : u"";
}

}  // namespace

bool serialize(std::u16string& out, double scale, const format::paragraph& paragraph,
               bool& px_written) {
  write_paragraph_code(out, full_paragraph_items(scale, paragraph), px_written);
  return true;
}

bool serialize(std::u16string& out, double scale, format::paragraph& running_paragraph,
               const format::string& base, format::string& running, serialize_state& state,
               const part& p, bool& px_written, bool plain_spaces) {
  // Codes written inside the "{\H0.7x;" stack group would end with it, so a
  // stack in another format closes that group too; only stacks in the
  // running format share it.
  const bool close_stack_group = p.type() != stack_type || !(p.format == running);
  write_difference(out, base, running, p.format, state, close_stack_group);
  running = p.format;
  switch (p.type()) {
    case string_type: write_text(out, part_cast<string>(p).text, plain_spaces); break;
    case spaces_type: out.append(part_cast<spaces>(p).count, u' '); break;
    case tab_type: out += u'\t'; break;
    case new_line_type: out += u'\n'; break;
    case stack_type: write_stack(out, part_cast<stack>(p), state); break;
    case new_paragraph_type: {
      const auto& opened = part_cast<new_paragraph>(p);
      out += opened.column_break ? u"\\N" : u"\\P";
      const std::u16string items =
          paragraph_difference_items(format::merge(scale, running_paragraph, opened.paragraph));
      if (!items.empty()) write_paragraph_code(out, items, px_written);
      running_paragraph = opened.paragraph;
      break;
    }
    case field_type: out += field_code(part_cast<field>(p)); break;
    default: break;
  }
  return true;
}

bool serialize(std::u16string& out, serialize_state& state) {
  if (state.stack_group_open) {
    out += u'}';
    state.stack_group_open = false;
  }
  if (state.group != 0 && !state.keep_group_open) out += u'}';
  if (state.stack_align == 1) out.insert(0, u"\\A1;");
  return true;
}

std::u16string serialize(const multitext& text, const format::string& base, double scale) {
  std::u16string out;
  format::string running = base;
  format::paragraph running_paragraph = text.paragraph;
  serialize_state state;
  bool px_written = false;
  serialize(out, scale, text.paragraph, px_written);
  for (const part& p : text.parts)
    serialize(out, scale, running_paragraph, base, running, state, p, px_written, false);
  if (!text.parts.empty()) serialize(out, state);
  return out;
}

bool serialize_raw(std::u16string& out, const part& p, bool escape_spaces) {
  switch (p.type()) {
    case string_type:
      for (const char16_t c : part_cast<string>(p).text) {
        if (c == u' ' && escape_spaces) out += u"\\~";
        else out += c;
      }
      return true;
    case spaces_type: out.append(part_cast<spaces>(p).count, u' '); return true;
    case tab_type: out += u'\t'; return true;
    case new_line_type: case new_paragraph_type: out += u"\r\n"; return true;
    case stack_type: {
      const auto& s = part_cast<stack>(p);
      out += s.upper;
      if (const char16_t separator = stack_separator(s.kind)) out += separator;
      out += s.lower;
      return true;
    }
    case field_type: out += field_code(part_cast<field>(p)); return true;
    default: return false;
  }
}

bool serialize_raw(std::u16string& out, const multitext& text, bool escape_spaces) {
  for (const part& p : text.parts)
    if (!serialize_raw(out, p, escape_spaces)) return false;
  return true;
}

std::u16string serialize_raw(const multitext& text, bool escape_spaces) {
  std::u16string out;
  serialize_raw(out, text, escape_spaces);
  return out;
}

}  // namespace mtext
