#include "editor/paragraph_editing.h"

#include <algorithm>

#include "mtext/format_algebra.h"

namespace editor {

namespace {

using mtext::position;

// The break holding the format of the paragraph `at` lies in; none for the first paragraph.
std::optional<position> holder_of(const mtext::geom_multitext& text, position at) {
  for (position i = std::min(at, text.size()); i-- > 0;)
    if (text.parts[i].type() == mtext::new_paragraph_type) return i;
  return std::nullopt;
}

mtext::format::paragraph& format_at(mtext::geom_multitext& text, std::optional<position> holder) {
  if (!holder) return text.paragraph;
  return static_cast<mtext::new_paragraph&>(text.parts[*holder].part()).paragraph;
}

// Holders of the paragraphs the selections reach; none stands for the first paragraph.
std::vector<std::optional<position>> selected_holders(const mtext::geom_multitext& text) {
  std::vector<std::optional<position>> holders;
  for (const mtext::marks::selection* s : mtext::marks::selections_of(text.marks)) {
    holders.push_back(holder_of(text, s->begin));
    for (position i = s->begin; i < s->end; ++i)
      if (text.parts[i].type() == mtext::new_paragraph_type) holders.push_back(i);
  }
  std::sort(holders.begin(), holders.end());
  holders.erase(std::unique(holders.begin(), holders.end()), holders.end());
  return holders;
}

}  // namespace

std::vector<mtext::format::paragraph*> selected_paragraphs(mtext::geom_multitext& text) {
  std::vector<mtext::format::paragraph*> result;
  for (const auto& holder : selected_holders(text)) result.push_back(&format_at(text, holder));
  return result;
}

void change_selected_paragraphs(mtext::geom_multitext& text, const mtext::format::paragraph_partial& change) {
  for (const auto& holder : selected_holders(text)) {
    mtext::format::apply_to(format_at(text, holder), change);
    // The first paragraph's format is no part: its first line is what moves.
    text.touch(holder.value_or(0), holder ? 1 : 0);
  }
}

}  // namespace editor
