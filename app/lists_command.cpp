// `cadtext lists`: which paragraphs are list items, how they renumber, and
// the content written back with their rewritten prefixes.
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "app/json_output.h"
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

json paragraphs_json(const mtext::geom_multitext& text) {
  json paragraphs = json::array();
  mtext::position start = 0;
  for (std::size_t paragraph = 0;; ++paragraph) {
    const mtext::marks::numbering* item = item_at(text, start);
    json row = {{"paragraph", paragraph}, {"item", item != nullptr}};
    if (item) {
      json indices = json::array();
      for (const auto& index : item->indices)
        indices.push_back({{"value", index.value}, {"kind", index.kind}, {"alphabet", index.alphabet}});
      row["list"] = item->list, row["level"] = item->level, row["indices"] = indices;
    }
    paragraphs.push_back(row);
    while (start < text.size() && text.parts[start].type() != mtext::new_paragraph_type) ++start;
    if (start++ >= text.size()) break;
  }
  return paragraphs;
}

int lists_command(layout_options& o) {
  finish_options(o);
  const mtext::marks::letters_dictionary dictionary = dictionary_of(o);
  mtext::geom_multitext text = laid_out(o);
  mtext::mark_numberings(text, dictionary);
  mtext::marks::update_numberings(text.marks, dictionary);
  const json paragraphs = paragraphs_json(text);
  for (mtext::marks::mark& m : text.marks)
    if (auto* item = dynamic_cast<mtext::marks::numbering*>(&m))
      mtext::update_numbering(text, *item, finder(), dictionary);
  print_json(std::cout, {{"paragraphs", paragraphs}, {"content", utf8(mtext::encode(text, base_format(o), 1.0))}});
  return 0;
}

void setup(CLI::App& app, int& status) {
  CLI::App* command = app.add_subcommand(
      "lists", "prints each paragraph's list item (indices, list, level) and the content with renumbered prefixes");
  auto o = std::make_shared<layout_options>();
  add_layout_options(*command, *o, layout_command_kind::lists);
  command->callback([&status, o] { status = lists_command(*o); });
}

const command_registrar registration("lists", setup);

}  // namespace
}  // namespace cadtext
