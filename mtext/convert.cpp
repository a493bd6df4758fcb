#include "mtext/convert.h"

#include "mtext/layout.h"
#include "mtext/parse.h"
#include "mtext/serialize.h"

namespace mtext {

geom_multitext decode(const char16_t* content, const format::string& base, const convert_info& info,
                      const string_size_finder& finder) {
  multitext model;
  parse(content, base, model, false);
  geom_multitext text;
  to_geom(text, model, info.text_height, finder);
  text.info = info;
  dispose(text);
  return text;
}

std::u16string encode(const geom_multitext& text, const format::string& base, double scale) {
  return serialize(flatten(text), base, scale);
}

}  // namespace mtext
