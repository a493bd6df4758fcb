// clipboard: the editor's copy, cut and paste, exchanging text with the
// desktop clipboard as plain text (CF_UNICODETEXT) and as MText content
// under the registered format "MText".
//
// Copy writes both formats; paste prefers "MText", so formatting survives a
// copy between editors, and falls back to plain text. A clipboard held open
// by another owner makes every operation do nothing, quietly.
#pragma once

#include "editor/edit_target.h"
#include "platform/win/IClipboard.h"

namespace editor {

// The number of the "MText" format, registered on the first call of the
// process and kept; 0 when registering failed.
win::clipboard_format mtext_clipboard_format(win::IClipboard& clipboard);

// Puts the selected text on the clipboard; false when nothing is selected
// or the clipboard cannot be opened or written. Runs in `base` are written
// without codes, so they take the format of the text they are pasted into.
bool copy(const mtext::geom_multitext& text, const mtext::format::string& base, win::IClipboard& clipboard,
          win::window_id owner);

// Copies, then deletes the selected ranges; nothing is deleted when the copy failed.
bool cut(edit_target& target, win::IClipboard& clipboard, win::window_id owner);

struct paste_options {
  bool plain_only = false;   // ignore the "MText" format
  bool single_line = false;  // line feeds become spaces, carriage returns go
};

// Replaces every selection by the clipboard's text; false when nothing was pasted.
bool paste(edit_target& target, win::IClipboard& clipboard, win::window_id owner, paste_options options);

}  // namespace editor
