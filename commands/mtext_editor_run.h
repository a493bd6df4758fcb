// One run of the in-place editor for a command: the editor is set up on the
// text, the host's string input runs while the editor filters the window
// messages, and the end of that input (accepted, or cancelled with the save
// question when something changed) becomes an edit result code.
//
// It does not select, create or append objects; the commands around it do.
#pragma once

#include <functional>
#include <optional>

#include "platform/host/IHostAppServices.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

// How an edit ended; the callers of the edit entry points rely on these numbers.
enum mtext_edit_result : int {
  kEditSavedOnCancel = 0,  // cancelled, then "Yes" to saving the changes
  kEditCancelled = 1,      // cancelled, nothing saved (also when nothing had changed)
  kEditAccepted = 2,       // accepted (Ctrl+Enter or any other end of input but cancel)
  kEditNotEditable = 3,    // the object cannot be edited here
};

// Passed through to the editor; set, the editor shows its compact toolbar.
struct mtext_editor_options {
  bool compact_toolbar = false;
};

namespace mtext_editing {

// The frame a new MText is created in: two opposite corners in the drawing.
struct new_frame {
  OdGePoint3d first, second;
};

struct editor_request {
  bool quiet = false;                // several objects in one run: the short prompt "*"
  mtext_editor_options options;
  std::optional<new_frame> frame;    // a new MText, placed and oriented here first
  // Single-line mode: called after a save on the edited Text, then on each
  // Text the edit made for the lines after the first, in line order; unset,
  // each one's alignment is adjusted.
  std::function<void(OdDbText&)> place_line;
  // Esc after a change asks whether to save; when false it discards.
  bool ask_to_save = true;
};

// Edits `text` in paragraph mode and commits it (saved or not) before
// returning the result code.
int run_mtext_editor(IHostAppServices& host, const OdDbMTextPtr& text, const editor_request& request);
// Edits a Text (or attribute) in single-line mode; its justification is
// applied again after a save.
int run_text_editor(IHostAppServices& host, const OdDbTextPtr& text, const editor_request& request);

// Orients a new MText by the host's text orientation and fits it to the
// frame: the top-left corner at the frame's, the width the frame's, the
// height left free.
void place_in_frame(OdDbMText& text, const new_frame& frame);

}  // namespace mtext_editing
