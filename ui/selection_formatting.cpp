#include "ui/selection_formatting.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <langinfo.h>
#include <locale.h>
#include <string>

#include "mtext/format_algebra.h"
#include "mtext/format_queries.h"
#include "mtext/layout.h"
#include "mtext/lists.h"
#include "mtext/serialize.h"

namespace ui {

namespace {

using mtext::geom_multitext;
using mtext::position;
using mtext::marks::numbering;
using mtext::marks::selection;

bool in_label(const geom_multitext& text, position at) {
  for (const mtext::marks::mark& m : text.marks)
    if (dynamic_cast<const numbering*>(&m) && at >= m.begin && at < m.end) return true;
  return false;
}

// The non-empty selections, last first, so that changing one leaves the
// positions of the others alone.
std::vector<selection> ranges_last_first(const geom_multitext& text) {
  std::vector<selection> result;
  for (const selection* s : mtext::marks::selections_of(text.marks))
    if (!s->empty()) result.push_back(*s);
  std::sort(result.begin(), result.end(), [](const selection& a, const selection& b) { return a.begin > b.begin; });
  return result;
}

// Visits the selected positions outside labels from the last, so a visit
// may replace its part by several.
template <class Visit>
void for_each_selected(const geom_multitext& text, Visit visit) {
  for (const selection& s : ranges_last_first(text))
    for (position i = s.end; i-- > s.begin;)
      if (!in_label(text, i)) visit(i);
}

void remeasure(geom_multitext& text, position at, const mtext::string_size_finder& finder) {
  text.parts[at].update_geometry(finder);
  text.touch(at, 1);
}

// ---- letter case ------------------------------------------------------------

// A UTF-8 locale maps letters beyond ASCII; made once for the process.
locale_t case_locale() {
  static const locale_t loc = [] {
    for (const char* name : {"", "C.UTF-8", "C.utf8", "en_US.UTF-8"})
      if (locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0))) {
        const std::string codeset = nl_langinfo_l(CODESET, l);
        if (codeset == "UTF-8" || codeset == "utf8") return l;
        freelocale(l);
      }
    return newlocale(LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
  }();
  return loc;
}

// Surrogates stay as they are: a letter beyond the BMP has no case here.
std::u16string mapped(std::u16string s, bool upper) {
  for (char16_t& c : s) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const auto w = static_cast<wint_t>(c);
    const wint_t m = upper ? towupper_l(w, case_locale()) : towlower_l(w, case_locale());
    if (m <= 0xFFFF) c = static_cast<char16_t>(m);
  }
  return s;
}

// ---- stacks -----------------------------------------------------------------------

constexpr char16_t separators[] = {u'/', u'^', u'#'};  // by stack kind: slash, tolerance, diagonal

std::u16string raw_text(const geom_multitext& text, position first, position last) {
  std::u16string chars;
  for (position i = first; i < last; ++i) mtext::serialize_raw(chars, text.parts[i].part(), false);
  return chars;
}

mtext::stack stack_of(const mtext::format::string& f, const std::u16string& chars, stack_kind kind) {
  if (kind == stack_kind::superscript) return {f, chars, u"", mtext::stack_tolerance};
  if (kind == stack_kind::subscript) return {f, u"", chars, mtext::stack_tolerance};
  const auto split = chars.find_first_of(u"/^#");
  if (split == std::u16string::npos) return {f, chars, u"", mtext::stack_slash};
  const std::uint32_t k = chars[split] == u'/' ? mtext::stack_slash
                          : chars[split] == u'^' ? mtext::stack_tolerance : mtext::stack_diagonal;
  return {f, chars.substr(0, split), chars.substr(split + 1), k};
}

void replace(editor::geom_edit_target& target, position first, position last, const mtext::part& by) {
  geom_multitext& text = target.text();
  geom_multitext piece;
  mtext::to_geom(piece, by, text.info.text_height, target.finder());
  text.erase(first, last - first, true);
  text.insert(first, piece);
}

void unstack_at(editor::geom_edit_target& target, position at) {
  const auto& s = mtext::part_cast<mtext::stack>(target.text().parts[at].part());
  const std::u16string chars = s.upper + separators[std::min<std::uint32_t>(s.kind, 2)] + s.lower;
  replace(target, at, at + 1, mtext::string(s.format, chars));
}

// ---- lists --------------------------------------------------------------------------

position paragraph_start(const geom_multitext& text, position at) {
  for (position i = std::min(at, text.size()); i-- > 0;)
    if (text.parts[i].type() == mtext::new_paragraph_type) return i + 1;
  return 0;
}

// The starts of the paragraphs the selections reach, last first, each once.
std::vector<position> selected_paragraph_starts(const geom_multitext& text) {
  std::vector<position> starts;
  for (const selection* s : mtext::marks::selections_of(text.marks)) {
    starts.push_back(paragraph_start(text, s->begin));
    for (position i = s->begin; i < s->end; ++i)
      if (text.parts[i].type() == mtext::new_paragraph_type) starts.push_back(i + 1);
  }
  std::sort(starts.begin(), starts.end(), std::greater<>());
  starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
  return starts;
}

numbering* item_at(geom_multitext& text, position start) {
  for (mtext::marks::mark& m : text.marks)
    if (auto* item = dynamic_cast<numbering*>(&m); item && item->begin == start) return item;
  return nullptr;
}

// The paragraph's format, touched through the break holding it.
mtext::format::paragraph& changing_paragraph(geom_multitext& text, position start) {
  if (start > 0) text.touch(start - 1, 1);
  return mtext::paragraph_at(text, start);
}

// A label written "1." or "a." restarts its list, so an item following
// another gets the second number; renumbering puts the right one.
std::u16string label(list_kind kind, bool continuing, const mtext::marks::letters_dictionary& dictionary) {
  const std::size_t n = continuing ? 1 : 0;
  const bool lettered = kind.kind == list_kind::lettered_lower || kind.kind == list_kind::lettered_upper;
  if (lettered && kind.alphabet < dictionary.alphabets.size()) {
    const mtext::marks::alphabet& a = dictionary.alphabets[kind.alphabet];
    const std::u16string& letters = kind.kind == list_kind::lettered_upper ? a.upper : a.lower;
    if (letters.size() > n) return std::u16string(1, letters[n]) + u".";
  }
  if (kind.kind == list_kind::bulleted) return u"\u00B7";
  return continuing ? u"2." : u"1.";
}

// Writes the label and its tab at the paragraph's start and hangs it.
void make_item(editor::geom_edit_target& target, position start, list_kind kind, bool continuing) {
  geom_multitext& text = target.text();
  const mtext::format::string f = mtext::format::insertion_format(text, target.default_format(), start);
  text.insert(start, mtext::to_geom(label(kind, continuing, target.dictionary()) + u"\t", f, text.info.text_height,
                                    target.finder()));
  auto at = text.parts.cbegin() + start;
  if (const auto item = mtext::parse_numbering(text, target.dictionary(), at, text.parts.cend()))
    mtext::update_numbering_indent(text, *item, changing_paragraph(text, start));
}

}  // namespace

bool change_selected_characters(editor::geom_edit_target& target, const mtext::format::string_partial& change) {
  geom_multitext& text = target.text();
  bool any = false;
  for_each_selected(text, [&](position i) {
    mtext::format::apply_to(text.parts[i].part().format, change);
    remeasure(text, i, target.finder());
    any = true;
  });
  return any;
}

bool toggle_flag(editor::geom_edit_target& target, const mtext::format::string_partial& current, style_flag flag) {
  const bool on = current.*flag != mtext::tri::on;
  mtext::format::string_partial change;
  change.*flag = on ? mtext::tri::on : mtext::tri::off;
  change_selected_characters(target, change);
  return on;
}

void map_selected_case(editor::geom_edit_target& target, bool upper) {
  geom_multitext& text = target.text();
  for_each_selected(text, [&](position i) {
    if (text.parts[i].type() != mtext::string_type) return;
    auto& word = mtext::part_cast<mtext::string>(text.parts[i].part());
    word.text = mapped(word.text, upper);
    remeasure(text, i, target.finder());
  });
}

bool selection_is_stacked(const geom_multitext& text) {
  bool any = false, all = true;
  for_each_selected(text, [&](position i) {
    any = true;
    all = all && text.parts[i].type() == mtext::stack_type;
  });
  return any && all;
}

bool can_stack(const geom_multitext& text) {
  bool any = false, breaks = false;
  for_each_selected(text, [&](position i) {
    const auto type = text.parts[i].type();
    any = true;
    breaks = breaks || type == mtext::new_paragraph_type || type == mtext::new_line_type;
  });
  return any && !breaks;
}

void stack_selection(editor::geom_edit_target& target, stack_kind kind) {
  geom_multitext& text = target.text();
  if (selection_is_stacked(text)) {
    for_each_selected(text, [&](position i) { unstack_at(target, i); });
    return;
  }
  if (!can_stack(text)) return;
  for (const selection& s : ranges_last_first(text)) {
    const mtext::format::string f = text.parts[s.begin].part().format;
    replace(target, s.begin, s.end, stack_of(f, raw_text(text, s.begin, s.end), kind));
  }
}

list_kind current_list_kind(const geom_multitext& text) {
  const auto selections = mtext::marks::selections_of(text.marks);
  if (selections.empty()) return {};
  const position start = paragraph_start(text, selections.front()->begin);
  for (const mtext::marks::mark& m : text.marks) {
    const auto* item = dynamic_cast<const numbering*>(&m);
    if (!item || item->begin != start) continue;
    const mtext::marks::numbering_index& index = item->indices.back();
    switch (index.kind) {
      case mtext::marks::numbering_bullet: return {list_kind::bulleted, 0};
      case mtext::marks::numbering_lower: return {list_kind::lettered_lower, index.alphabet};
      case mtext::marks::numbering_upper: return {list_kind::lettered_upper, index.alphabet};
      default: return {list_kind::numbered, 0};
    }
  }
  return {};
}

void set_list_kind(editor::geom_edit_target& target, list_kind kind) {
  geom_multitext& text = target.text();
  const std::vector<position> starts = selected_paragraph_starts(text);
  for (const position start : starts) {
    // Paragraphs before this one keep their positions: the starts run backwards.
    const bool continuing = start > 0 && std::count(starts.begin(), starts.end(), paragraph_start(text, start - 1));
    if (numbering* item = item_at(text, start)) mtext::clear_numbering(text, *item, changing_paragraph(text, start));
    if (kind.kind != list_kind::off) make_item(target, start, kind, continuing);
  }
  target.update_numbering();
}

}  // namespace ui
