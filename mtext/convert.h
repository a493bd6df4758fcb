// Conversion between multiline text objects of the drawing and laid-out text.
#pragma once

#include <string>

#include "mtext/geom_multitext.h"

class OdDbMText;

namespace mtext {

// Reads content text into a measured, laid-out text.
geom_multitext decode(const char16_t* content, const format::string& base, const convert_info& info,
                      const string_size_finder& finder);
// Writes a laid-out text back as content text; runs in `base` need no codes.
std::u16string encode(const geom_multitext& text, const format::string& base, double scale);

}  // namespace mtext
