// A string notation for a laid-out text with its selections, for editor
// tests: "ab|c" is a caret, "a[bc]d" a selection whose head is its end,
// "a[|bc]d" one whose head is its begin. A list label may be written inside
// "<" and ">" ("<1.\t>item"); labels are recognised either way and always
// written so. So "[", "]", "|", "<" and ">" are never text. The rest is content: "\P" a paragraph break, "\N" a column
// break, LF a line break, "%<\AcVar Date>%" a field (written back by its code).
//
// The text is laid out with the fixed-advance test font at height 1: every
// character is 1 wide, a space 0.5, lines are 1.8 apart.
#pragma once

#include <string>
#include <vector>

#include "editor/geom_edit_target.h"
#include "mtext/layout.h"
#include "mtext/lists.h"
#include "mtext/serialize.h"
#include "platform/sdk/OdDbField.h"
#include "tests/mtext/describe.h"
#include "tests/mtext/test_finder.h"

namespace editor_test {

inline char16_t marker_at(const mtext::geom_multitext& text, mtext::position i) {
  const auto* word = dynamic_cast<const mtext::geom_word*>(&text.parts[i]);
  const char16_t c = word ? word->character() : u'\0';
  return c == u'[' || c == u']' || c == u'|' || c == u'<' || c == u'>' ? c : u'\0';
}

inline mtext::geom_multitext marked(const std::u16string& content) {
  mtext::geom_multitext text;
  text.info.text_height = 1.0;
  mtext::to_geom(text, mtext_test::parsed(content, mtext_test::base_format(1.0)), 1.0, mtext_test::fixed_finder());
  std::vector<mtext::marks::selection> selections;
  bool open = false, head_first = false;
  for (mtext::position i = 0; i < text.size();) {
    const char16_t c = marker_at(text, i);
    if (!c) { ++i; continue; }
    text.erase(i, 1, false);
    if (c == u'[') {
      selections.emplace_back(i, i);
      open = true, head_first = false;
    } else if (c == u'|' && open) {
      head_first = true;
    } else if (c == u'|') {
      selections.emplace_back(i, i);
    } else if (c == u']') {
      const mtext::position begin = selections.back().begin;
      selections.back() = head_first ? mtext::marks::selection(i, begin) : mtext::marks::selection(begin, i);
      open = false;
    }
  }
  mtext::mark_numberings(text, mtext::marks::letters_dictionary::english());
  mtext::marks::set_selections(selections, text.marks);
  mtext::dispose(text);
  return text;
}

inline std::u16string notation(const mtext::geom_multitext& text) {
  std::u16string out;
  const auto selections = mtext::marks::selections_of(text.marks);
  auto mark_at = [&text](mtext::position i, auto kind) -> decltype(kind) {
    for (const mtext::marks::mark& m : text.marks)
      if (auto* found = dynamic_cast<decltype(kind)>(&m); found && found->begin == i && found->end > i) return found;
    return nullptr;
  };
  const mtext::marks::numbering* label = nullptr;
  for (mtext::position i = 0; i <= text.size(); ++i) {
    if (label && label->end == i) out += u'>', label = nullptr;
    for (const auto* s : selections)
      if (!s->empty() && s->end == i) out += u']';
    for (const auto* s : selections)
      if (s->empty() && s->begin == i) out += u'|';
    for (const auto* s : selections)
      if (!s->empty() && s->begin == i) out += s->reversed ? u"[|" : u"[";
    if (i == text.size()) break;
    if (const auto* opened = mark_at(i, static_cast<const mtext::marks::numbering*>(nullptr)))
      label = opened, out += u'<';
    if (const auto* field = mark_at(i, static_cast<const mtext::marks::field*>(nullptr))) {
      out += field->field_object->getFieldCode(OdDbField::kAddMarkers).str();
      i = field->end - 1;
      continue;
    }
    const mtext::part& p = text.parts[i].part();
    if (p.type() == mtext::new_paragraph_type)
      out += mtext::part_cast<mtext::new_paragraph>(p).column_break ? u"\\N" : u"\\P";
    else if (p.type() == mtext::new_line_type) out += u'\n';
    else mtext::serialize_raw(out, p, false);
  }
  return out;
}

// A text in the notation with an edit target over it.
struct editing {
  explicit editing(const std::u16string& content) : text(marked(content)) {}
  editing(const editing&) = delete;

  std::u16string written() const { return notation(text); }

  mtext::geom_multitext text;
  mtext_test::fixed_finder finder;
  editor::geom_edit_target target{text, mtext_test::base_format(1.0), finder,
                                  mtext::marks::letters_dictionary::english()};
};

}  // namespace editor_test
