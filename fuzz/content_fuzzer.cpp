// Fuzz target: any bytes, read as UTF-16 content, parse and write back.
// The characters read from the input never change in any round of writing
// and reading, and writing settles into a fixed point within three rounds
// (fuzz/README.md says why not one).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <string>

#include "mtext/parse.h"
#include "mtext/serialize.h"

namespace {

mtext::format::string base_format() {
  mtext::format::string base;
  base.height = 2.5;
  base.style.setFont(u"Arial", false, false, 0, 34);
  return base;
}

struct round {
  std::u16string written;  // the content written back
  std::u16string plain;    // its characters
};

round read_and_write(const std::u16string& content, bool plain) {
  mtext::multitext text;
  mtext::parse(content.c_str(), base_format(), text, plain);
  return {mtext::serialize(text, base_format(), 1.0), mtext::serialize_raw(text, true)};
}

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool plain = data[0] & 1;  // the first byte picks the reader's mode
  std::u16string content;
  for (std::size_t i = 1; i + 1 < size; i += 2) {
    const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) break;  // the zero-terminated reader stops there anyway
    content += unit;
  }
  // The range reader must cope with everything, embedded zeros included.
  mtext::multitext range;
  mtext::parse(content.data(), content.data() + content.size(), base_format(), range, plain);

  const round first = read_and_write(content, plain);
  round previous = first;
  for (int rounds = 1;; ++rounds) {
    const round next = read_and_write(previous.written, false);
    if (next.plain != first.plain) fail("characters changed by writing and reading");
    if (next.written == previous.written) return 0;
    if (rounds == 3) fail("writing is not a fixed point after three rounds");
    previous = next;
  }
}
