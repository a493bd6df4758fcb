#include "editor/typing.h"

#include <optional>

#include "editor/selected_text.h"
#include "editor/text_steps.h"
#include "mtext/format_queries.h"
#include "mtext/layout.h"
#include "mtext/lists.h"
#include "platform/sdk/OdDbField.h"

namespace editor {

namespace {

using mtext::geom_multitext;
using mtext::marks::numbering;
using mtext::marks::selection;

// ---- paragraphs and labels -------------------------------------------------

// The paragraph break that opens the paragraph holding `at`.
std::optional<position> opening_break(const geom_multitext& text, position at) {
  for (position i = std::min(at, text.size()); i-- > 0;)
    if (text.parts[i].type() == mtext::new_paragraph_type) return i;
  return std::nullopt;
}

position paragraph_start(const geom_multitext& text, position at) {
  const auto opening = opening_break(text, at);
  return opening ? *opening + 1 : 0;
}

// The format of the paragraph holding `at`, about to change in place: its
// break is touched so that the change is recorded.
mtext::format::paragraph& changing_paragraph(geom_multitext& text, position at) {
  const auto opening = opening_break(text, at);
  if (!opening) return text.paragraph;
  text.touch(*opening, 1);
  return mtext::part_cast<mtext::new_paragraph>(text.parts[*opening].part()).paragraph;
}

// Units do not matter for a format of zero lengths.
bool is_default(const mtext::format::paragraph& p) {
  mtext::format::paragraph plain;
  plain.extended = p.extended;
  return p == plain;
}

numbering* label_ending_at(geom_multitext& text, position at) {
  for (mtext::marks::mark& m : text.marks)
    if (auto* item = dynamic_cast<numbering*>(&m); item && item->begin < item->end && item->end == at) return item;
  return nullptr;
}

// The labels of the paragraphs a selection reaches into.
std::vector<numbering*> labels_within(geom_multitext& text, const selection& s) {
  const position first = paragraph_start(text, s.begin);
  std::vector<numbering*> items;
  for (mtext::marks::mark& m : text.marks)
    if (auto* item = dynamic_cast<numbering*>(&m); item && item->begin < item->end && item->begin >= first &&
                                                   item->begin < s.end)
      items.push_back(item);
  return items;
}

// The label the next item of a list shows: the last level counted on.
std::u16string next_label(std::vector<mtext::marks::numbering_index> indices,
                          const mtext::marks::letters_dictionary& dictionary) {
  ++indices.back().value;
  std::u16string label;
  for (const auto& index : indices) label += mtext::prefix_text(index, dictionary);
  return label + u'\t';
}

bool touches_lists(const geom_multitext& text, position begin, position end) {
  for (position i = begin; i < end; ++i)
    if (text.parts[i].type() == mtext::new_paragraph_type) return true;
  for (const mtext::marks::mark& m : text.marks)
    if (dynamic_cast<const numbering*>(&m) && m.begin < end && m.end > begin) return true;
  return false;
}

// ---- one operation ------------------------------------------------------------

// The target of one repetition of an operation, and whether its lists must
// be renumbered before the next.
struct edit {
  explicit edit(geom_edit_target& t) : target(t), text(t.text()) {}

  std::vector<selection*> selections() { return mtext::marks::selections_of(text.marks); }

  mtext::format::string typing_format(const selection& s) const {
    return mtext::format::insertion_format(text, target.default_format(), s);
  }

  void erase(position begin, position end) {
    if (begin >= end) return;
    renumber = renumber || touches_lists(text, begin, end);
    text.erase(begin, end - begin, true);
  }

  // The characters in `format` at `at`; a caret there ends after them.
  void insert(position at, const std::u16string& characters, const mtext::format::string& format) {
    geom_multitext piece = mtext::to_geom(characters, format, text.info.text_height, target.finder());
    text.insert(at, piece);
  }

  void settle() {
    if (renumber) target.update_numbering();
    renumber = false;
    mtext::marks::merge_selections(text.marks);
  }

  geom_edit_target& target;
  geom_multitext& text;
  bool renumber = false;
};

template <class Step>
void repeat(geom_edit_target& target, unsigned count, Step&& step) {
  edit e(target);
  for (unsigned i = 0; i < count; ++i) {
    for (selection* s : e.selections()) step(e, *s);
    e.settle();
  }
}

// ---- paragraph breaks ------------------------------------------------------------

void break_paragraph_at(edit& e, selection& s, bool column_break) {
  const mtext::format::string format = e.typing_format(s);
  e.erase(s.begin, s.end);
  const position at = s.begin;
  auto* opened = new mtext::geom_new_paragraph(paragraph_of(e.text, at), format, column_break);
  opened->update_geometry(e.target.finder());
  geom_multitext piece;
  piece.parts.push_back(opened);
  piece.refresh_snapshot();
  // Read from the text, not the marks: an item opened a moment ago has none yet.
  auto start = e.text.parts.cbegin() + paragraph_start(e.text, at);
  const auto item = mtext::parse_numbering(e.text, e.target.dictionary(), start, e.text.parts.cend());
  e.text.insert(at, piece);
  if (!item || item->end > at) return;
  e.insert(at + 1, next_label(item->indices, e.target.dictionary()), e.text.parts[item->begin].part().format);
  e.renumber = true;
}

// ---- tabs ---------------------------------------------------------------------------

void indent(edit& e, numbering& item, bool deeper) {
  mtext::indent_numbering(e.text, item, changing_paragraph(e.text, item.begin), e.target.finder(), deeper,
                          e.target.dictionary());
  e.renumber = true;
}

// "1." typed at a paragraph's start and the tab just inserted before `after`
// make a list item: its label hangs left of its text.
void make_item_of_typed_label(edit& e, position after) {
  const position start = paragraph_start(e.text, after);
  auto at = e.text.parts.cbegin() + start;
  const auto item = mtext::parse_numbering(e.text, e.target.dictionary(), at, e.text.parts.cend());
  if (!item || item->end != after) return;
  mtext::update_numbering_indent(e.text, *item, changing_paragraph(e.text, start));
  e.renumber = true;
}

void tab_at(edit& e, selection& s, bool outdent) {
  if (numbering* item = s.empty() ? label_ending_at(e.text, s.begin) : nullptr) return indent(e, *item, !outdent);
  if (const auto items = labels_within(e.text, s); items.size() > 1) {
    for (numbering* item : items) indent(e, *item, !outdent);
    return;
  }
  const mtext::format::string format = e.typing_format(s);
  e.erase(s.begin, s.end);
  e.insert(s.begin, u"\t", format);
  make_item_of_typed_label(e, s.begin);
}

// ---- deleting --------------------------------------------------------------------------

void delete_before(edit& e, selection& s, bool by_word) {
  if (!s.empty()) return e.erase(s.begin, s.end);
  const position at = s.begin;
  if (at == 0) return;
  if (numbering* item = label_ending_at(e.text, at)) {
    mtext::clear_numbering(e.text, *item, changing_paragraph(e.text, item->begin));
    e.renumber = true;
    return;
  }
  if (e.text.parts[at - 1].type() == mtext::new_paragraph_type) {
    auto& paragraph = mtext::part_cast<mtext::new_paragraph>(e.text.parts[at - 1].part()).paragraph;
    if (!is_default(paragraph)) {
      paragraph = mtext::format::paragraph{};
      e.text.touch(at - 1, 1);
      return;
    }
  }
  e.erase(by_word ? step_word(e.text, at, direction::backward) : step_character(e.text, at, direction::backward),
          at);
}

void delete_after(edit& e, selection& s, bool by_word) {
  if (!s.empty()) return e.erase(s.begin, s.end);
  const position at = s.begin;
  e.erase(at, by_word ? step_word(e.text, at, direction::forward) : step_character(e.text, at, direction::forward));
}

}  // namespace

void insert_text(geom_edit_target& target, std::u16string_view characters, unsigned count) {
  if (characters.empty() || count == 0) return;
  std::u16string repeated;
  for (unsigned i = 0; i < count; ++i) repeated += characters;
  // One insertion of the repeated text measures it once per selection.
  repeat(target, 1, [&repeated](edit& e, selection& s) {
    const mtext::format::string format = e.typing_format(s);
    e.erase(s.begin, s.end);
    e.insert(s.begin, repeated, format);
  });
}

void insert_paragraph_break(geom_edit_target& target, bool column_break, unsigned count) {
  repeat(target, count, [column_break](edit& e, selection& s) { break_paragraph_at(e, s, column_break); });
}

void insert_tab(geom_edit_target& target, bool outdent, unsigned count) {
  repeat(target, count, [outdent](edit& e, selection& s) { tab_at(e, s, outdent); });
}

void delete_backward(geom_edit_target& target, bool by_word, unsigned count) {
  repeat(target, count, [by_word](edit& e, selection& s) { delete_before(e, s, by_word); });
}

void delete_forward(geom_edit_target& target, bool by_word, unsigned count) {
  repeat(target, count, [by_word](edit& e, selection& s) { delete_after(e, s, by_word); });
}

void replace_field(geom_edit_target& target, const mtext::marks::field& field, OdSmartPtr<OdDbField> object) {
  geom_multitext& text = target.text();
  const position begin = field.begin, end = field.end;
  const mtext::format::string format = begin < end
                                           ? text.parts[begin].part().format
                                           : mtext::format::insertion_format(text, target.default_format(), begin);
  // A caret before the field stays before it; a selection of it selects the new one.
  std::vector<selection*> before, over;
  for (selection* s : mtext::marks::selections_of(text.marks)) {
    if (s->empty() && s->begin == begin) before.push_back(s);
    else if (s->begin == begin && s->end == end) over.push_back(s);
  }
  text.erase(begin, end - begin, true);
  geom_multitext piece;
  mtext::to_geom(piece, mtext::field(format, std::move(object)), text.info.text_height, target.finder());
  const position length = piece.size();
  text.insert(begin, piece);
  for (selection* s : before) *s = selection(begin, begin);
  for (selection* s : over) *s = selection(s->reversed ? begin + length : begin, s->reversed ? begin : begin + length);
  mtext::marks::merge_selections(text.marks);
}

void field_to_text(geom_edit_target& target, const mtext::marks::field& field) {
  geom_multitext& text = target.text();
  const position begin = field.begin, end = field.end;
  text.marks.erase_if([&field](const mtext::marks::mark& m) { return &m == &field; });
  // The parts stay, but they read back as characters now, not as a field.
  text.touch(begin, end - begin);
}

}  // namespace editor
