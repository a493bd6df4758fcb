// geom_edit_target: an edit_target over a laid-out text held elsewhere,
// changing it only through the container's insert and erase.
#pragma once

#include <vector>

#include "editor/edit_target.h"
#include "mtext/letters_dictionary.h"
#include "mtext/measure.h"

namespace editor {

class geom_edit_target : public edit_target {
public:
  // Keeps references to the text and the finder; they must outlive it.
  geom_edit_target(mtext::geom_multitext& text, mtext::format::string default_format,
                   const mtext::string_size_finder& finder, mtext::marks::letters_dictionary dictionary);

  const mtext::geom_multitext& text() const override { return m_text; }
  const mtext::format::string& default_format() const override { return m_default_format; }
  // For the editing operations that change parts or marks in other ways
  // than the ones below (typing.h); they too go through insert and erase.
  mtext::geom_multitext& text() { return m_text; }
  const mtext::string_size_finder& finder() const { return m_finder; }
  const mtext::marks::letters_dictionary& dictionary() const { return m_dictionary; }

  void erase_selections() override;
  void insert_parts(const mtext::multitext& parts) override;
  void insert_plain(std::u16string_view piece) override;
  void break_paragraph() override;
  void update_numbering() override;

private:
  // Pointers stay valid across insert and erase: the marks vector owns the
  // marks and only reorders its pointers.
  std::vector<mtext::marks::selection*> selections();
  mtext::geom_multitext paragraph_break_at(const mtext::marks::selection& at) const;

  mtext::geom_multitext& m_text;
  mtext::format::string m_default_format;
  const mtext::string_size_finder& m_finder;
  mtext::marks::letters_dictionary m_dictionary;
};

}  // namespace editor
