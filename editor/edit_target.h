// edit_target: the text an editor changes at its selections, as the
// clipboard's cut and paste drive it.
//
// Every change applies at every selection of the text, in order; the
// selections move with the parts inserted and erased (a caret ends after
// what was inserted at it). Laying the text out again is the owner's
// business, after the whole operation.
#pragma once

#include <string_view>

#include "mtext/geom_multitext.h"

namespace editor {

class edit_target {
public:
  virtual ~edit_target() = default;

  // The laid-out text with its selection marks.
  virtual const mtext::geom_multitext& text() const = 0;
  // The format of text outside any code, as content is read and written.
  virtual const mtext::format::string& default_format() const = 0;

  // Deletes every selected range, leaving a caret where it began.
  virtual void erase_selections() = 0;
  // Inserts the parts at every selection, each in its own format.
  virtual void insert_parts(const mtext::multitext& parts) = 0;
  // Inserts plain characters at every selection in the format typed text gets there.
  virtual void insert_plain(std::u16string_view piece) = 0;
  // Opens a new paragraph at every selection.
  virtual void break_paragraph() = 0;
  // Renumbers the list items after paragraphs came or went.
  virtual void update_numbering() = 0;
};

}  // namespace editor
