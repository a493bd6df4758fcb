// Numbers in content text: the reader's syntax and the writer's "%g" forms.
#pragma once

#include <string>

namespace mtext {

// Reads an optional "-", digits, an optional "." with digits and an optional
// "e"/"E" with an optional "-" and digits, advancing `cur`. No digits at all
// read as 0 and consume nothing; a "." without a digit after it fails and
// leaves `cur` where it was. There is no "+" sign.
bool read_number(const char16_t*& cur, const char16_t* end, double& value);

// `value` as "%g" prints it with `digits` significant digits, less the "+"
// of an exponent, which the reader does not take.
std::u16string format_number(double value, int digits);

}  // namespace mtext
