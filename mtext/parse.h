// The content parser: MText content text with formatting codes into a multitext.
//
// The parser never fails: anything that is not a well-formed code is read as
// ordinary characters, an unclosed group runs to the end and a stray "}" is
// dropped. It holds no state between calls.
#pragma once

#include <functional>

#include "mtext/multitext.h"

class OdDbDatabase;

namespace mtext {

// Reads [begin, end) into `target` (replaced by a default multitext first)
// with `format` outside any code. `plain` switches off the backslash
// formatting codes and the meaning of TAB and line feed. Always true.
bool parse(const char16_t* begin, const char16_t* end, const format::string& format,
           multitext& target, bool plain);

// Reads a zero-terminated string, then merges neighbouring runs of equal format.
bool parse(const char16_t* text, const format::string& format, multitext& target, bool plain);

// Joins adjacent string parts, and adjacent spaces parts, of equal format.
void merge_neighbours(multitext& text);

// The drawing that fields are evaluated against: the host installs a provider
// answering its current database; without one fields are made unevaluated.
void set_field_database_provider(std::function<OdDbDatabase*()> provider);
OdDbDatabase* field_database();

}  // namespace mtext
