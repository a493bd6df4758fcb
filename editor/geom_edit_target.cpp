#include "editor/geom_edit_target.h"

#include "editor/selected_text.h"
#include "mtext/format_queries.h"
#include "mtext/layout.h"
#include "mtext/lists.h"

namespace editor {

using mtext::geom_multitext;
using mtext::marks::selection;

geom_edit_target::geom_edit_target(geom_multitext& text, mtext::format::string default_format,
                                   const mtext::string_size_finder& finder,
                                   mtext::marks::letters_dictionary dictionary)
    : m_text(text), m_default_format(std::move(default_format)), m_finder(finder), m_dictionary(std::move(dictionary)) {}

std::vector<selection*> geom_edit_target::selections() {
  std::vector<selection*> result;
  for (mtext::marks::mark& m : m_text.marks)
    if (auto* s = dynamic_cast<selection*>(&m)) result.push_back(s);
  return result;
}

void geom_edit_target::erase_selections() {
  for (selection* s : selections())
    if (!s->empty()) m_text.erase(*s, true);
}

void geom_edit_target::insert_parts(const mtext::multitext& parts) {
  geom_multitext piece;
  mtext::to_geom(piece, parts, m_text.info.text_height, m_finder);
  for (const selection* s : selections()) m_text.insert(s->begin, piece);
}

void geom_edit_target::insert_plain(std::u16string_view piece) {
  const std::u16string characters(piece);
  for (const selection* s : selections()) {
    const auto format = mtext::format::insertion_format(m_text, m_default_format, *s);
    m_text.insert(s->begin, mtext::to_geom(characters, format, m_text.info.text_height, m_finder));
  }
}

// The new paragraph keeps the format of the one it splits.
geom_multitext geom_edit_target::paragraph_break_at(const selection& at) const {
  const auto format = mtext::format::insertion_format(m_text, m_default_format, at);
  auto* part = new mtext::geom_new_paragraph(paragraph_of(m_text, at.begin), format, false);
  part->update_geometry(m_finder);
  geom_multitext result;
  result.parts.push_back(part);
  result.refresh_snapshot();
  return result;
}

void geom_edit_target::break_paragraph() {
  for (const selection* s : selections()) m_text.insert(s->begin, paragraph_break_at(*s));
}

void geom_edit_target::update_numbering() {
  mtext::mark_numberings(m_text, m_dictionary);
  mtext::marks::update_numberings(m_text.marks, m_dictionary);
  std::vector<mtext::marks::numbering*> items;
  for (mtext::marks::mark& m : m_text.marks)
    if (auto* item = dynamic_cast<mtext::marks::numbering*>(&m)) items.push_back(item);
  // Rewriting a prefix inserts and erases, which reorders the marks vector.
  for (mtext::marks::numbering* item : items) mtext::update_numbering(m_text, *item, m_finder, m_dictionary);
}

}  // namespace editor
