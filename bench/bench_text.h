// What the benchmarks build their texts from: the base format and a unit
// repeated to a size.
#pragma once

#include <string>
#include <string_view>

#include "mtext/format.h"

namespace bench {

inline mtext::format::string base_format() {
  mtext::format::string base;
  base.height = 2.5;
  base.style.setFont(u"Arial", false, false, 0, 34);
  base.style.setTextSize(base.height);  // as a text object's own format has it
  return base;
}

// `unit` repeated and cut to exactly `size` characters.
inline std::u16string repeated(std::u16string_view unit, std::size_t size) {
  std::u16string text;
  text.reserve(size + unit.size());
  while (text.size() < size) text += unit;
  text.resize(size);
  return text;
}

// The size of `text` in UTF-8, which is how other parsers count their input.
inline std::size_t utf8_size(std::u16string_view text) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c < 0x80) bytes += 1;
    else if (c < 0x800) bytes += 2;
    else if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) bytes += 4, ++i;
    else bytes += 3;
  }
  return bytes;
}

}  // namespace bench
