// Conversions between plain strings and content text.
#pragma once

#include <string>

#include "platform/sdk/OdString.h"

namespace mtext {

// Plain text as content text: "\", "{" and "}" escaped, carriage returns
// dropped, line feeds written "\P" when `keep_line_breaks`, dropped otherwise.
std::u16string escape_mtext(const char16_t* text, bool keep_line_breaks);

// The characters of content text with every code removed; each space, tab
// and break becomes one space, stacks and fields nothing.
std::u16string deEscapeMtextContent(const char16_t* text);

// The plain text of content text: breaks become CR LF, stacks "a/b", fields
// their code.
std::u16string unformat_mtext(const char16_t* text);
OdString UnformatMText(const char16_t* text);

}  // namespace mtext
