// `cadtext lists`: which paragraphs are list items, how they renumber, and
// the content written back with their rewritten prefixes.
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/json_writer.h"
#include "app/layout_options.h"
#include "mtext/lists.h"

namespace cadtext {
namespace {

mtext::marks::letters_dictionary dictionary_of(const layout_options& o) {
  if (o.alphabets.empty()) return mtext::marks::letters_dictionary::english();
  std::ifstream in(o.alphabets);
  if (!in) throw std::runtime_error("cannot read the alphabets file " + o.alphabets);
  std::stringstream text;
  text << in.rdbuf();
  try {
    return mtext::marks::letters_dictionary::from_json(text.str());
  } catch (const std::exception& error) {
    throw std::runtime_error(o.alphabets + ": " + error.what());
  }
}

// The numbering mark that starts at a paragraph start, if any.
const mtext::marks::numbering* item_at(const mtext::geom_multitext& text, mtext::position at) {
  for (const mtext::marks::mark& m : text.marks)
    if (const auto* item = dynamic_cast<const mtext::marks::numbering*>(&m); item && item->begin == at) return item;
  return nullptr;
}

void write_paragraphs(json_writer& json, const mtext::geom_multitext& text) {
  json.key("paragraphs").begin_array();
  mtext::position start = 0;
  for (std::size_t paragraph = 0;; ++paragraph) {
    json.begin_object().field("paragraph", static_cast<unsigned>(paragraph));
    const mtext::marks::numbering* item = item_at(text, start);
    json.field("item", item != nullptr);
    if (item) {
      json.field("list", item->list).field("level", item->level).key("indices").begin_array();
      for (const auto& index : item->indices)
        json.begin_object().field("value", index.value).field("kind", index.kind).field("alphabet", index.alphabet).end_object();
      json.end_array();
    }
    json.end_object();
    while (start < text.size() && text.parts[start].type() != mtext::new_paragraph_type) ++start;
    if (start++ >= text.size()) break;
  }
  json.end_array();
}

int lists_command(invocation& call) {
  const layout_options o = read_options(call, layout_command_kind::lists);
  const mtext::marks::letters_dictionary dictionary = dictionary_of(o);
  mtext::geom_multitext text = laid_out(o);
  mtext::mark_numberings(text, dictionary);
  mtext::marks::update_numberings(text.marks, dictionary);
  json_writer json(call.out);
  json.begin_object();
  write_paragraphs(json, text);
  for (mtext::marks::mark& m : text.marks)
    if (auto* item = dynamic_cast<mtext::marks::numbering*>(&m))
      mtext::update_numbering(text, *item, finder(), dictionary);
  json.field("content", mtext::encode(text, base_format(o), 1.0)).end_object();
  call.out << "\n";
  return 0;
}

const subcommand_registration registration(
    {{"lists"}, std::string("lists [--alphabets FILE] ") + layout_synopsis,
     "prints each paragraph's list item (indices, list, level) and the content with renumbered prefixes",
     lists_command});

}  // namespace
}  // namespace cadtext
