#include "mtext/format_queries.h"

#include <algorithm>

namespace mtext::format {

namespace {

// One accessor for both kinds of range: owning vectors yield parts,
// pointer vectors yield pointers.
const geom_part& part_ref(const geom_part& p) { return p; }
geom_part& part_ref(geom_part& p) { return p; }
geom_part& part_ref(geom_part* p) { return *p; }
const geom_part& part_ref(const geom_part* p) { return *p; }

bool is_paragraph_break(const geom_part& p) { return p.type() == new_paragraph_type; }
bool is_numbering(const marks::mark& m) { return dynamic_cast<const marks::numbering*>(&m) != nullptr; }
paragraph& paragraph_of(geom_part& p) { return part_cast<new_paragraph>(p.part()).paragraph; }
const paragraph& paragraph_of(const geom_part& p) { return part_cast<new_paragraph>(p.part()).paragraph; }

template <class It>
string_partial common_format(It first, It last) {
  if (first == last) return {};
  string_partial common = full_partial(part_ref(*first).part().format);
  for (++first; first != last; ++first)
    common = intersection(common, full_partial(part_ref(*first).part().format));
  return common;
}

template <class It>
void apply_to_formats(It first, It last, const string_partial& change) {
  for (; first != last; ++first) apply_to(part_ref(*first).part().format, change);
}

// Where the walk over opened paragraphs stops: the range's last part is left
// out, and a final paragraph break leaves out the part before it too. A range
// of a single break thus changes no opened paragraph.
template <class It>
It paragraph_walk_end(It first, It last) {
  auto kept = (last - first) - 1;
  if (first != last && is_paragraph_break(part_ref(*(last - 1)))) --kept;
  return first + std::max<decltype(kept)>(kept, 0);
}

template <class It>
void apply_to_paragraphs(paragraph& p, It first, It last, const paragraph_partial& change) {
  apply_to(p, change);
  const It end = paragraph_walk_end(first, last);
  for (; first != end; ++first)
    if (is_paragraph_break(part_ref(*first))) apply_to(paragraph_of(part_ref(*first)), change);
}

// Which positions of [begin, end) lie inside a list item's generated number.
std::vector<bool> numbering_cover(const geom_multitext& g, position begin, position end) {
  std::vector<bool> covered(end > begin ? end - begin : 0, false);
  for (const marks::mark& m : g.marks) {
    if (!is_numbering(m)) continue;
    for (position at = std::max(m.begin, begin); at < std::min(m.end, end); ++at) covered[at - begin] = true;
  }
  return covered;
}

// The selected parts that are the text's own, not a generated number.
std::vector<const geom_part*> selected_text_parts(const geom_multitext& g, const marks::mark& m) {
  const std::vector<bool> covered = numbering_cover(g, m.begin, m.end);
  std::vector<const geom_part*> parts;
  for (position at = m.begin; at < m.end; ++at)
    if (!covered[at - m.begin]) parts.push_back(&g.parts[at]);
  return parts;
}

// A caret right after a list number takes its format from before the number.
position caret_format_source(const geom_multitext& g, position at) {
  if (at == 0) return at;
  const marks::mark* number = nullptr;
  for (const marks::mark& m : g.marks)
    if (is_numbering(m) && m.begin <= at - 1 && at - 1 < m.end) number = &m;
  return number ? number->begin : at;
}

const string& caret_format(const geom_multitext& g, const string& default_format, position at) {
  const position source = caret_format_source(g, at);
  return source > 0 ? g.parts[source - 1].part().format : default_format;
}

// The paragraph a position lies in: opened by the nearest break before it.
const paragraph& paragraph_at(const geom_multitext& g, position at) {
  for (position i = at; i > 0; --i)
    if (is_paragraph_break(g.parts[i - 1])) return paragraph_of(g.parts[i - 1]);
  return g.paragraph;
}

bool is_caret(const marks::mark& m) { return m.begin == m.end; }

}  // namespace

string_partial intersection(geom_part_vector::const_iterator first, geom_part_vector::const_iterator last) {
  return common_format(first, last);
}

paragraph_partial intersection(const paragraph& p, geom_part_vector::const_iterator first,
                               geom_part_vector::const_iterator last) {
  paragraph_partial common = full_partial(p);
  for (; first != last; ++first)
    if (is_paragraph_break(*first)) common = intersection(common, full_partial(paragraph_of(*first)));
  return common;
}

void apply_to(part_pointers::const_iterator first, part_pointers::const_iterator last,
              const string_partial& change) {
  apply_to_formats(first, last, change);
}

void apply_to(geom_part_vector::iterator first, geom_part_vector::iterator last, const string_partial& change) {
  apply_to_formats(first, last, change);
}

void apply_to(paragraph& p, part_pointers::const_iterator first, part_pointers::const_iterator last,
              const paragraph_partial& change) {
  apply_to_paragraphs(p, first, last, change);
}

void apply_to(paragraph& p, geom_part_vector::iterator first, geom_part_vector::iterator last,
              const paragraph_partial& change) {
  apply_to_paragraphs(p, first, last, change);
}

string_partial current_format(const geom_multitext& g, const string& default_format, const marks::mark& m) {
  g.verify_mark(m);
  if (is_caret(m)) return full_partial(caret_format(g, default_format, m.begin));
  const std::vector<const geom_part*> parts = selected_text_parts(g, m);
  return parts.empty() ? full_partial(default_format) : common_format(parts.begin(), parts.end());
}

paragraph_partial current_paragraph_format(const geom_multitext& g, const marks::mark& m) {
  g.verify_mark(m);
  const position end = std::max(m.begin, m.end);
  return intersection(paragraph_at(g, m.begin), g.parts.begin() + m.begin, g.parts.begin() + end);
}

string insertion_format(const geom_multitext& g, const string& default_format, position at) {
  g.verify_elem(at);
  return caret_format(g, default_format, at);
}

string insertion_format(const geom_multitext& g, const string& default_format, const marks::mark& m) {
  g.verify_mark(m);
  if (is_caret(m)) return caret_format(g, default_format, m.begin);
  const std::vector<const geom_part*> parts = selected_text_parts(g, m);
  if (parts.empty()) return default_format;
  return applied_to(parts.front()->part().format, common_format(parts.begin(), parts.end()));
}

}  // namespace mtext::format
