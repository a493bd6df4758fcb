// The format algebra: differences, common parts and application of formats.
#pragma once

#include "mtext/format.h"

namespace mtext::format {

// What `b` changes relative to `a`; a height change is a factor b/a.
string_partial merge(const string& a, const string& b);
// What `b` changes relative to `a`, lengths of non-extended paragraphs
// divided by `scale` first.
paragraph_partial merge(double scale, const paragraph& a, const paragraph& b);

// What `a` and `b` have in common.
string_partial intersection(const string_partial& a, const string_partial& b);
paragraph_partial intersection(const paragraph_partial& a, const paragraph_partial& b);

// Writes every set field of `change` into the first argument.
string& apply_to(string& s, const string_partial& change);
string_partial& apply_to(string_partial& d, const string_partial& change);
void apply_to(paragraph& p, const paragraph_partial& change);
void apply_to(paragraph_partial& d, const paragraph_partial& change);

string applied_to(const string& s, const string_partial& change);
string_partial applied_to(const string_partial& d, const string_partial& change);

// True when the change leaves font, bold and italic alone.
bool is_default_format(const string_partial& change);

}  // namespace mtext::format
