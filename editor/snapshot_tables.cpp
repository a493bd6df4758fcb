#include "editor/snapshot_tables.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>

#include "mtext/ensure.h"

namespace editor {

namespace {

using namespace mtext;

std::uint64_t bits(double d) { return std::bit_cast<std::uint64_t>(d); }

void mix(std::size_t& hash, std::uint64_t value) {
  hash ^= std::hash<std::uint64_t>{}(value) + 0x9e3779b97f4a7c15ull + (hash << 6) + (hash >> 2);
}
void mix(std::size_t& hash, const void* pointer) { mix(hash, reinterpret_cast<std::uintptr_t>(pointer)); }

// Every attribute a style holds; the resolved font is a cache of them.
bool same_style(const OdGiTextStyle& a, const OdGiTextStyle& b) {
  if (a.sharesAttributesWith(b)) return true;
  return a.ttfDecriptor() == b.ttfDecriptor() && a.fileNameInterned() == b.fileNameInterned() &&
         a.bigFontFileName() == b.bigFontFileName() && a.styleName() == b.styleName() &&
         bits(a.textSize()) == bits(b.textSize()) && bits(a.xScale()) == bits(b.xScale()) &&
         bits(a.obliquingAngle()) == bits(b.obliquingAngle()) &&
         bits(a.trackingPercent()) == bits(b.trackingPercent()) && a.styleFlags() == b.styleFlags() &&
         a.codePage() == b.codePage();
}

bool same_format(const format::string& a, const format::string& b) {
  return bits(a.height) == bits(b.height) && a.color.kind == b.color.kind && a.color.index == b.color.index &&
         a.color.rgb == b.color.rgb && a.align == b.align && same_style(a.style, b.style);
}

// Interned names hash as their one pointer; the rarely set big-font and
// style names are left to the comparison.
std::size_t hash_of(const format::string& f) {
  std::size_t h = 0;
  const OdGiTextStyle& s = f.style;
  mix(h, &s.ttfDecriptor().typeface());
  mix(h, s.ttfDecriptor().flags());
  mix(h, &s.fileNameInterned().str());
  for (const double d : {f.height, s.textSize(), s.xScale(), s.obliquingAngle(), s.trackingPercent()}) mix(h, bits(d));
  mix(h, s.styleFlags());
  mix(h, (std::uint64_t{f.color.kind} << 48) ^ (std::uint64_t{f.color.index} << 32) ^ f.color.rgb);
  mix(h, f.align);
  return h;
}

// string_metrics is nine doubles: compared and hashed as its bytes.
bool same_metrics(const string_metrics& a, const string_metrics& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
void mix(std::size_t& hash, const string_metrics& m) {
  std::uint64_t words[sizeof m / sizeof(std::uint64_t)];
  std::memcpy(words, &m, sizeof words);
  for (const std::uint64_t w : words) mix(hash, w);
}
static_assert(sizeof(string_metrics) == 9 * sizeof(double), "metrics have no padding");

}  // namespace

bool identical(const format::paragraph& a, const format::paragraph& b) {
  const auto same_tab = [](const format::tab_stop& x, const format::tab_stop& y) {
    return bits(x.position) == bits(y.position) && x.kind == y.kind && x.decimal_char == y.decimal_char;
  };
  return a.extended == b.extended && bits(a.first_indent) == bits(b.first_indent) &&
         bits(a.left_indent) == bits(b.left_indent) && bits(a.right_indent) == bits(b.right_indent) &&
         bits(a.space_before) == bits(b.space_before) && bits(a.space_after) == bits(b.space_after) &&
         a.alignment == b.alignment && a.line_spacing_style == b.line_spacing_style &&
         bits(a.line_spacing) == bits(b.line_spacing) &&
         std::equal(a.tabs.begin(), a.tabs.end(), b.tabs.begin(), b.tabs.end(), same_tab);
}

namespace {

std::size_t hash_of(const format::paragraph& p) {
  std::size_t h = p.extended;
  for (const double d : {p.first_indent, p.left_indent, p.right_indent, p.space_before, p.space_after, p.line_spacing})
    mix(h, bits(d));
  mix(h, (std::uint64_t{p.alignment} << 32) ^ p.line_spacing_style);
  for (const format::tab_stop& t : p.tabs) mix(h, bits(t.position) ^ (std::uint64_t{t.kind} << 16) ^ t.decimal_char);
  return h;
}

std::size_t heap_bytes(const std::u16string& s) {
  return s.capacity() > std::u16string().capacity() ? (s.capacity() + 1) * sizeof(char16_t) : 0;
}

}  // namespace

template <class T>
template <class Same>
std::uint32_t snapshot_tables::interned<T>::find_or_add(const T& value, std::size_t hash, Same same) {
  const auto [begin, end] = index.equal_range(hash);
  for (auto it = begin; it != end; ++it)
    if (same(items[it->second], value)) return it->second;
  const auto number = static_cast<std::uint32_t>(items.size());
  items.push_back(value);
  index.emplace(hash, number);
  return number;
}

template <class T>
std::size_t snapshot_tables::interned<T>::bytes() const {
  // A multimap node holds its pair and a next pointer, with the hash cached.
  constexpr std::size_t node_bytes = sizeof(void*) + sizeof(std::size_t) + sizeof(std::pair<const std::size_t, std::uint32_t>);
  return items.capacity() * sizeof(T) + index.size() * node_bytes + index.bucket_count() * sizeof(void*);
}

std::uint32_t snapshot_tables::intern_format(const format::string& f) {
  if (m_last_format < m_formats.items.size() && same_format(m_formats.items[m_last_format], f)) return m_last_format;
  m_last_format = m_formats.find_or_add(f, hash_of(f), same_format);
  return m_last_format;
}

cell_index snapshot_tables::intern(const geom_part& p) {
  cell c;
  c.geometry = p.geometry;
  c.format = intern_format(p.part().format);
  c.kind = static_cast<std::uint8_t>(p.type());
  switch (p.type()) {
    case string_type: {
      const std::u16string& text = part_cast<string>(p.part()).text;
      MTEXT_ENSURE(text.size() == 1, "a laid-out word holds one character");
      c.character = text[0];
      break;
    }
    case spaces_type: c.payload = part_cast<spaces>(p.part()).count; break;
    case tab_type:
    case new_line_type: break;
    case stack_type: {
      const auto& s = static_cast<const geom_stack&>(p);
      const stack_entry e{s.upper, s.lower, s.kind, s.upper_geometry, s.lower_geometry};
      std::size_t h = std::hash<std::u16string>{}(s.upper);
      mix(h, std::hash<std::u16string>{}(s.lower));
      mix(h, s.kind);
      mix(h, s.upper_geometry);
      mix(h, s.lower_geometry);
      c.payload = m_stacks.find_or_add(e, h, [](const stack_entry& x, const stack_entry& y) {
        return x.upper == y.upper && x.lower == y.lower && x.kind == y.kind &&
               same_metrics(x.upper_geometry, y.upper_geometry) && same_metrics(x.lower_geometry, y.lower_geometry);
      });
      break;
    }
    case new_paragraph_type: {
      const auto& n = part_cast<new_paragraph>(p.part());
      const paragraph_entry e{n.paragraph, n.column_break};
      c.payload = m_paragraphs.find_or_add(e, hash_of(n.paragraph) ^ n.column_break,
                                           [](const paragraph_entry& x, const paragraph_entry& y) {
                                             return x.column_break == y.column_break &&
                                                    identical(x.paragraph, y.paragraph);
                                           });
      break;
    }
    default: MTEXT_ENSURE(false, "a laid-out part is a word, spaces, tab, break or stack");
  }
  std::size_t h = c.format;
  mix(h, (std::uint64_t{c.kind} << 48) ^ (std::uint64_t{c.character} << 32) ^ c.payload);
  mix(h, c.geometry);
  return m_cells.find_or_add(c, h, [](const cell& x, const cell& y) {
    return x.format == y.format && x.kind == y.kind && x.character == y.character && x.payload == y.payload &&
           same_metrics(x.geometry, y.geometry);
  });
}

geom_part* snapshot_tables::make_part(cell_index number) const {
  const cell& c = m_cells.items.at(number);
  const format::string& f = m_formats.items[c.format];
  geom_part* p = nullptr;
  switch (c.kind) {
    case string_type: p = new geom_word(f, c.character); break;
    case spaces_type: {
      auto* s = new geom_spaces(f);
      s->count = c.payload;
      p = s;
      break;
    }
    case tab_type: p = new geom_tab(f); break;
    case new_line_type: p = new geom_new_line(f); break;
    case stack_type: {
      const stack_entry& e = m_stacks.items[c.payload];
      auto* s = new geom_stack(f, e.upper, e.lower, e.kind);
      s->upper_geometry = e.upper_geometry;
      s->lower_geometry = e.lower_geometry;
      p = s;
      break;
    }
    default: {
      const paragraph_entry& e = m_paragraphs.items[c.payload];
      p = new geom_new_paragraph(e.paragraph, f, e.column_break);
      break;
    }
  }
  p->geometry = c.geometry;
  return p;
}

std::size_t snapshot_tables::bytes() const {
  std::size_t total = m_formats.bytes() + m_cells.bytes() + m_stacks.bytes() + m_paragraphs.bytes();
  for (const stack_entry& s : m_stacks.items) total += heap_bytes(s.upper) + heap_bytes(s.lower);
  for (const paragraph_entry& e : m_paragraphs.items) total += e.paragraph.tabs.capacity() * sizeof(format::tab_stop);
  return total;
}

}  // namespace editor
