// Reading MText content text for the places of its characters: which spans
// are characters of text parts (that a case change may rewrite in place) and
// which are codes, fields, stacks and breaks (copied byte for byte).
//
// It follows the content parser's reading of well-formed codes; callers that
// must agree with the parser on odd input check the result against it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace content_scan {

enum kind : int {
  text,       // characters of a text part, as written
  symbol,     // one escaped character of a text part ("\\", "\{", "\~", "%%d", "\U+XXXX")
  separator,  // something that is not a string: a paragraph, tab, line feed, stack or field
  code,       // a formatting code or brace: no character
};

struct span {
  std::size_t begin = 0;
  std::size_t end = 0;
  kind what = code;
  char16_t character = 0;  // the character a symbol stands for
};

// The spans of `content`, in order and covering it.
std::vector<span> scan(const std::u16string& content);

}  // namespace content_scan
