#include "mtext/lists.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "mtext/ensure.h"
#include "mtext/format_algebra.h"
#include "mtext/layout.h"
#include "mtext/serialize.h"

namespace mtext {

namespace {

constexpr char16_t bullet = u'\u00B7';
constexpr double one_third = 0.3333333333333333;

// ---- recognition ------------------------------------------------------------

bool is_character(std::uint32_t type) { return type == string_type || type == spaces_type; }

// Reads index records from the prefix text; every one must match and the
// whole text be used.
class prefix_reader {
public:
  prefix_reader(const std::u16string& text, const marks::letters_dictionary& dictionary)
      : text_(text), dictionary_(dictionary) {}

  bool read(std::vector<marks::numbering_index>& indices) {
    while (at_ < text_.size()) {
      marks::numbering_index index;
      if (!read_index(index)) return false;
      indices.push_back(index);
    }
    return !indices.empty();
  }

private:
  bool read_index(marks::numbering_index& index) {
    const std::size_t start = at_;
    if (text_[at_] == bullet) {
      ++at_;
      index = {0, marks::numbering_bullet, 0};
      return true;
    }
    for (std::uint32_t a = 0; a < dictionary_.alphabets.size(); ++a) {
      const marks::alphabet& alphabet = dictionary_.alphabets[a];
      if (read_letters(alphabet.lower, index.value)) return index = {index.value, marks::numbering_lower, a}, true;
      at_ = start;
      if (read_letters(alphabet.upper, index.value)) return index = {index.value, marks::numbering_upper, a}, true;
      at_ = start;
    }
    if (read_decimal(index.value)) return index.kind = marks::numbering_decimal, index.alphabet = 0, true;
    at_ = start;
    return false;
  }

  void skip_blanks() {
    while (at_ < text_.size() && text_[at_] == u' ') ++at_;
  }

  bool full_stop() {
    if (at_ >= text_.size() || text_[at_] != u'.') return false;
    ++at_;
    return true;
  }

  // Bijective letters then "."; the value must not be zero or overflow.
  bool read_letters(const std::u16string& letters, std::uint32_t& value) {
    skip_blanks();
    if (letters.empty()) return false;
    std::uint64_t v = 0;
    std::size_t count = 0;
    for (; at_ < text_.size(); ++at_, ++count) {
      const auto digit = letters.find(text_[at_]);
      if (digit == std::u16string::npos) break;
      v = v * letters.size() + digit + 1;
      if (v > std::numeric_limits<std::uint32_t>::max()) return false;
    }
    if (count == 0 || v == 0 || !full_stop()) return false;
    value = static_cast<std::uint32_t>(v);
    return true;
  }

  bool read_decimal(std::uint32_t& value) {
    skip_blanks();
    std::uint64_t v = 0;
    std::size_t count = 0;
    for (; at_ < text_.size() && text_[at_] >= u'0' && text_[at_] <= u'9'; ++at_, ++count) {
      v = v * 10 + (text_[at_] - u'0');
      if (v > std::numeric_limits<std::uint32_t>::max()) return false;
    }
    if (count == 0 || !full_stop()) return false;
    value = static_cast<std::uint32_t>(v);
    return true;
  }

  const std::u16string& text_;
  const marks::letters_dictionary& dictionary_;
  std::size_t at_ = 0;
};

// ---- paragraphs and prefixes ---------------------------------------------------

std::uint32_t level_for(const format::paragraph& paragraph, std::size_t indices) {
  const double level = paragraph.left_indent * one_third - static_cast<double>(indices);
  return level > 0.0 ? static_cast<std::uint32_t>(level) : 0u;
}

// The bullet's font: Symbol, TrueType, not bold or italic.
format::string_partial symbol_font() {
  format::string_partial k;
  k.font = {u"Symbol", 18, 2, 0};
  k.bold = tri::off;
  k.italic = tri::off;
  return k;
}

format::string_partial no_lines() {
  format::string_partial k;
  k.underline = tri::off;
  k.overline = tri::off;
  return k;
}

// The prefix's format: the item text's first character's, lines off.
format::string prefix_format(const geom_multitext& text, const marks::numbering& item) {
  const position at = item.end < text.size() ? item.end : text.size() - 1;
  format::string f = format::applied_to(text.parts[at].part().format, no_lines());
  f.style.setStriked(false);
  return f;
}

multitext prefix_model(const marks::numbering& item, const format::string& f,
                       const marks::letters_dictionary& dictionary) {
  multitext model;
  for (const marks::numbering_index& index : item.indices) {
    const format::string index_format =
        index.kind == marks::numbering_bullet ? format::applied_to(f, symbol_font()) : f;
    model.parts.push_back(new string(index_format, prefix_text(index, dictionary)));
  }
  model.parts.push_back(new tab(f));
  return model;
}

// Whether the item's characters already are the model's: renumbering then
// leaves them alone, so an edit far from a list does not touch it.
bool shows_model(const geom_multitext& text, const marks::numbering& item, const multitext& model) {
  position at = item.begin;
  const auto same = [&](std::uint32_t type, char16_t c, const format::string& f) {
    if (at >= item.end) return false;
    const geom_part& p = text.parts[at++];
    if (p.type() != type || !(p.part().format == f)) return false;
    return type != string_type || static_cast<const geom_word&>(p).character() == c;
  };
  for (const part& p : model.parts) {
    if (p.type() == tab_type) {
      if (!same(tab_type, u'\t', p.format)) return false;
      continue;
    }
    for (const char16_t c : part_cast<string>(p).text)
      if (!same(string_type, c, p.format)) return false;
  }
  return at == item.end;
}

// Erases the prefix; the mark collapses to its begin and stays.
void erase_prefix(geom_multitext& text, marks::numbering& item) {
  text.erase(item.begin, item.end - item.begin, false);
}

void unhang(format::paragraph& paragraph) {
  paragraph.first_indent = 0.0;
  paragraph.left_indent = 0.0;
  paragraph.tabs.clear();
}

// ---- renumbering ----------------------------------------------------------------

struct numbered_list {
  std::vector<number_counter> levels;
};

class renumbering {
public:
  explicit renumbering(const marks::letters_dictionary& dictionary) : dictionary_(dictionary) {}

  void run(marks::mark_vector& marks) {
    std::vector<marks::numbering*> items;
    for (marks::mark& m : marks)
      if (auto* item = dynamic_cast<marks::numbering*>(&m)) items.push_back(item);
    for (std::size_t i = 0; i < items.size(); ++i) number(items, i);
  }

private:
  // Which list an item continues, or none for a new list.
  std::optional<std::uint32_t> continued_list(const std::vector<marks::numbering*>& items, std::size_t i) const {
    const marks::numbering& m = *items[i];
    if (i == 0) return std::nullopt;
    const marks::numbering& previous = *items[i - 1];
    const marks::numbering_index& first = m.indices.front();
    if (m.indices.size() == 1 && first.value < 2 && first.kind != marks::numbering_bullet) return std::nullopt;
    if (first.kind == previous.indices.front().kind && m.level == previous.level) return previous.list;
    if (previous.level <= m.level && m.indices.size() <= previous.indices.size()) return std::nullopt;
    for (std::size_t j = i; j-- > 0;)
      if (items[j]->level == m.level && items[j]->indices.front().kind == first.kind) return items[j]->list;
    return std::nullopt;
  }

  void number(const std::vector<marks::numbering*>& items, std::size_t i) {
    marks::numbering& m = *items[i];
    std::optional<std::uint32_t> list = continued_list(items, i);
    if (!list) {
      list = static_cast<std::uint32_t>(lists_.size());
      lists_.push_back({std::vector<number_counter>(m.indices.size(), counter())});
    }
    list = std::min<std::uint32_t>(*list, static_cast<std::uint32_t>(lists_.size() - 1));
    numbered_list& counters = lists_[*list];
    if (i == 0) keep_written_values(m, counters);
    else count(m, counters);
    m.list = *list;
  }

  number_counter counter() const { return number_counter(dictionary_.alphabets.size()); }

  std::uint32_t& slot(numbered_list& list, std::size_t level, const marks::numbering_index& index) const {
    number_counter& c = list.levels[level];
    return c.value[c.index_of(index.kind, index.alphabet)];
  }

  // The first item of a text shows what was written (0 counts as 1).
  void keep_written_values(marks::numbering& m, numbered_list& list) const {
    for (std::size_t level = 0; level < m.indices.size(); ++level) {
      marks::numbering_index& index = m.indices[level];
      index.value = std::max<std::uint32_t>(index.value, 1);
      slot(list, level, index) = index.value;
    }
  }

  void count(marks::numbering& m, numbered_list& list) const {
    list.levels.resize(m.indices.size(), counter());
    ++slot(list, m.indices.size() - 1, m.indices.back());
    for (std::size_t level = 0; level < m.indices.size(); ++level) {
      std::uint32_t& value = slot(list, level, m.indices[level]);
      if (value == 0) value = 1;
      m.indices[level].value = value;
    }
  }

  const marks::letters_dictionary& dictionary_;
  std::vector<numbered_list> lists_;
};

}  // namespace

std::size_t number_counter::index_of(std::uint32_t kind, std::uint32_t alphabet) const {
  std::size_t ret = 0;
  switch (kind) {
    case marks::numbering_decimal: ret = 0; break;
    case marks::numbering_bullet: ret = 1; break;
    case marks::numbering_lower: ret = 2 * static_cast<std::size_t>(alphabet) + 2; break;
    default: ret = 2 * static_cast<std::size_t>(alphabet) + 3; break;
  }
  MTEXT_ENSURE(ret < value.size(), "number_counter::index_of: too big index");
  return ret;
}

std::u16string letters_of(std::uint32_t value, const std::u16string& letters) {
  std::u16string out;
  if (letters.empty()) return out;
  for (std::uint64_t v = value; v > 0; v = (v - 1) / letters.size())
    out.insert(out.begin(), letters[(v - 1) % letters.size()]);
  return out;
}

std::u16string prefix_text(const marks::numbering_index& index, const marks::letters_dictionary& dictionary) {
  switch (index.kind) {
    case marks::numbering_bullet: return std::u16string(1, bullet);
    case marks::numbering_lower:
    case marks::numbering_upper: {
      if (index.alphabet >= dictionary.alphabets.size()) return u".";
      const marks::alphabet& a = dictionary.alphabets[index.alphabet];
      return letters_of(index.value, index.kind == marks::numbering_lower ? a.lower : a.upper) + u".";
    }
    default: {
      std::u16string out;
      for (const char c : std::to_string(index.value)) out += static_cast<char16_t>(c);
      return out + u".";
    }
  }
}

std::unique_ptr<marks::numbering> parse_numbering(const geom_multitext& text,
                                                  const marks::letters_dictionary& dictionary,
                                                  geom_part_vector::const_iterator& at,
                                                  geom_part_vector::const_iterator end, bool) {
  const position begin = static_cast<position>(at - text.parts.begin());
  std::u16string prefix;
  for (; at != end && is_character(at->type()); ++at) serialize_raw(prefix, at->part(), false);
  if (at == end || at->type() != tab_type) return nullptr;
  std::vector<marks::numbering_index> indices;
  if (!prefix_reader(prefix, dictionary).read(indices)) return nullptr;
  ++at;
  return std::make_unique<marks::numbering>(begin, static_cast<position>(at - text.parts.begin()),
                                            std::move(indices));
}

void mark_numberings(geom_multitext& text, const marks::letters_dictionary& dictionary) {
  text.marks.erase_if([](const marks::mark& m) { return dynamic_cast<const marks::numbering*>(&m); });
  const format::paragraph* paragraph = &text.paragraph;
  for (auto start = text.parts.cbegin(); start <= text.parts.cend();) {
    auto at = start;
    if (auto item = parse_numbering(text, dictionary, at, text.parts.cend())) {
      item->level = level_for(*paragraph, item->indices.size());
      text.marks.push_back(item.release());
    }
    while (at != text.parts.cend() && at->type() != new_paragraph_type) ++at;
    if (at == text.parts.cend()) break;
    paragraph = &part_cast<new_paragraph>(at->part()).paragraph;
    start = at + 1;
  }
}

format::paragraph& paragraph_at(geom_multitext& text, position at) {
  for (position i = std::min(at, text.size()); i-- > 0;)
    if (text.parts[i].type() == new_paragraph_type) return part_cast<new_paragraph>(text.parts[i].part()).paragraph;
  return text.paragraph;
}

void update_numbering(geom_multitext& text, marks::numbering& item, const string_size_finder& finder,
                      const marks::letters_dictionary& dictionary) {
  if (item.begin == item.end) return;
  text.verify_mark(item);
  const multitext model = prefix_model(item, prefix_format(text, item), dictionary);
  if (shows_model(text, item, model)) return;
  const position begin = item.begin;
  erase_prefix(text, item);
  geom_multitext prefix;
  to_geom(prefix, model, text.info.text_height, finder);
  const position length = prefix.size();
  text.insert(begin, prefix);
  item.begin = begin;
  item.end = begin + length;
}

void update_numbering_indent(geom_multitext&, const marks::numbering& item, format::paragraph& paragraph) {
  const double depth = static_cast<double>(item.indices.size() + item.level);
  paragraph.first_indent = -((depth - 1.0) * 2.0 + 3.0);
  paragraph.left_indent = depth * 3.0;
  paragraph.tabs.assign(1, format::tab_stop{depth * 3.0, format::tab_left, u' '});
}

void update_numberings_indent(geom_multitext& text, const marks::letters_dictionary&) {
  for (marks::mark& m : text.marks)
    if (auto* item = dynamic_cast<marks::numbering*>(&m)) update_numbering_indent(text, *item, paragraph_at(text, item->begin));
}

void indent_numbering(geom_multitext& text, marks::numbering& item, format::paragraph& paragraph,
                      const string_size_finder& finder, bool deeper, const marks::letters_dictionary& dictionary) {
  auto& indices = item.indices;
  if (deeper) {
    marks::numbering_index& last = indices.back();
    if (last.value > 1) --last.value;
    const bool letters = last.kind == marks::numbering_lower || last.kind == marks::numbering_upper;
    indices.push_back({1, last.kind, letters ? last.alphabet : 0});
  } else if (indices.size() == 1) {
    erase_prefix(text, item);
    unhang(paragraph);
    return;
  } else {
    indices.pop_back();
    ++indices.back().value;
  }
  update_numbering_indent(text, item, paragraph);
  update_numbering(text, item, finder, dictionary);
}

void clear_numbering(geom_multitext& text, marks::numbering& item, format::paragraph& paragraph) {
  erase_prefix(text, item);
  unhang(paragraph);
}

namespace marks {
void update_numberings(mark_vector& marks, const letters_dictionary& dictionary) {
  renumbering(dictionary).run(marks);
}
}  // namespace marks

}  // namespace mtext
