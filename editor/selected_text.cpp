#include "editor/selected_text.h"

#include "mtext/serialize.h"

namespace editor {

const mtext::format::paragraph& paragraph_of(const mtext::geom_multitext& text, mtext::position at) {
  for (mtext::position i = at; i-- > 0;)
    if (text.parts[i].type() == mtext::new_paragraph_type)
      return mtext::part_cast<mtext::new_paragraph>(text.parts[i].part()).paragraph;
  return text.paragraph;
}

std::u16string selected_plain_text(const mtext::geom_multitext& text) {
  std::u16string out;
  for (const mtext::marks::selection* s : mtext::marks::selections_of(text.marks))
    for (mtext::position i = s->begin; i < s->end; ++i) mtext::serialize_raw(out, text.parts[i].part(), true);
  return out;
}

mtext::multitext selected_model(const mtext::geom_multitext& text) {
  mtext::multitext result;
  const auto selections = mtext::marks::selections_of(text.marks);
  if (!selections.empty()) result.paragraph = paragraph_of(text, selections.front()->begin);
  for (const mtext::marks::selection* s : selections) {
    mtext::multitext piece = mtext::flatten(text.slice(s->begin, s->end - s->begin));
    result.parts.transfer(result.parts.end(), piece.parts);
  }
  return result;
}

}  // namespace editor
