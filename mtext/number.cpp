#include "mtext/number.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace mtext {

namespace {

bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Copies a run of digits into `out`; returns how many there were.
int take_digits(const char16_t*& cur, const char16_t* end, std::string& out) {
  int count = 0;
  for (; cur != end && is_digit(*cur); ++cur, ++count) out += static_cast<char>(*cur);
  return count;
}

double to_double(const std::string& text, bool negative_exponent) {
  double value = 0.0;
  const auto [ptr, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range)
    value = negative_exponent ? 0.0 : std::numeric_limits<double>::infinity();
  (void)ptr;
  return value;
}

}  // namespace

bool read_number(const char16_t*& cur, const char16_t* end, double& value) {
  const char16_t* p = cur;
  std::string text;
  bool negative = false;
  if (p != end && *p == u'-' && p + 1 != end && is_digit(p[1])) {
    negative = true;
    ++p;
  }
  int digits = take_digits(p, end, text);
  if (p != end && *p == u'.') {
    if (p + 1 == end || !is_digit(p[1])) return false;
    ++p;
    text += '.';
    digits += take_digits(p, end, text);
  }
  if (digits == 0) {
    value = 0.0;
    return true;
  }
  bool negative_exponent = false;
  if (p != end && (*p == u'e' || *p == u'E')) {
    ++p;
    std::string exponent;
    if (p != end && *p == u'-' && p + 1 != end && is_digit(p[1])) {
      negative_exponent = true;
      ++p;
    }
    if (take_digits(p, end, exponent) > 0)
      text += (negative_exponent ? "e-" : "e") + exponent;
  }
  value = to_double(text, negative_exponent);
  if (negative) value = -value;
  cur = p;
  return true;
}

std::u16string format_number(double value, int digits) {
  // to_chars, unlike printf, ignores the locale: content text always uses ".".
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  std::u16string text(buffer, result.ptr);
  // The reader takes no "+", not even in an exponent.
  if (const auto plus = text.find(u'+'); plus != std::u16string::npos) text.erase(plus, 1);
  return text;
}

}  // namespace mtext
