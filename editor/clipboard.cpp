#include "editor/clipboard.h"

#include <algorithm>
#include <ranges>

#include "editor/selected_text.h"
#include "mtext/serialize.h"
#include "mtext/parse.h"
#include "platform/win/clipboard_session.h"

namespace editor {

namespace {

void paste_content(edit_target& target, const std::u16string& content) {
  mtext::multitext model;
  mtext::parse(content.c_str(), target.default_format(), model, false);
  target.erase_selections();
  target.insert_parts(model);
}

std::u16string single_line(std::u16string text) {
  std::erase(text, u'\r');
  std::ranges::replace(text, u'\n', u' ');
  return text;
}

// Every line but the last ends a paragraph.
void paste_lines(edit_target& target, std::u16string_view text) {
  for (std::size_t feed; (feed = text.find(u'\n')) != std::u16string_view::npos; text.remove_prefix(feed + 1)) {
    target.insert_plain(text.substr(0, feed));
    target.break_paragraph();
    target.update_numbering();
  }
  target.insert_plain(text);
}

}  // namespace

win::clipboard_format mtext_clipboard_format(win::IClipboard& clipboard) {
  static const win::clipboard_format format = clipboard.registerFormat(u"MText");
  return format;
}

bool copy(const mtext::geom_multitext& text, const mtext::format::string& base, win::IClipboard& clipboard,
          win::window_id owner) {
  const std::u16string plain = selected_plain_text(text);
  if (plain.empty()) return false;
  const std::u16string rich = mtext::serialize(selected_model(text), base, text.info.text_height);
  const win::clipboard_session session(clipboard, owner);
  if (!session || !clipboard.empty() || !clipboard.setData(win::CF_UNICODETEXT, plain)) return false;
  if (const win::clipboard_format mtext_format = mtext_clipboard_format(clipboard))
    clipboard.setData(mtext_format, rich);
  return true;
}

bool cut(edit_target& target, win::IClipboard& clipboard, win::window_id owner) {
  if (!copy(target.text(), target.default_format(), clipboard, owner)) return false;
  target.erase_selections();
  return true;
}

bool paste(edit_target& target, win::IClipboard& clipboard, win::window_id owner, paste_options options) {
  const win::clipboard_format mtext_format = mtext_clipboard_format(clipboard);
  const bool has_mtext = mtext_format != 0 && clipboard.isFormatAvailable(mtext_format);
  if (!has_mtext && !clipboard.isFormatAvailable(win::CF_UNICODETEXT)) return false;
  const win::clipboard_session session(clipboard, owner);
  if (!session) return false;
  if (!options.plain_only && has_mtext) {
    if (const auto content = clipboard.getData(mtext_format)) {
      paste_content(target, *content);
      return true;
    }
  }
  auto plain = clipboard.getData(win::CF_UNICODETEXT);
  if (!plain) return false;
  target.erase_selections();
  paste_lines(target, options.single_line ? single_line(std::move(*plain)) : *plain);
  return true;
}

}  // namespace editor
