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

}  // namespace bench
