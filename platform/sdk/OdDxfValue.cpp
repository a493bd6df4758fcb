#include "platform/sdk/OdDxfValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string trimmed(const std::string& value) {
  const auto first = value.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  const auto last = value.find_last_not_of(" \t\r");
  return value.substr(first, last - first + 1);
}

// Windows-1252 differs from Latin-1 only in 0x80..0x9F.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::u16string from_cp1252(const std::string& bytes) {
  std::u16string out;
  out.reserve(bytes.size());
  for (unsigned char c : bytes)
    out += (c >= 0x80 && c < 0xA0) ? kCp1252High[c - 0x80] : static_cast<char16_t>(c);
  return out;
}

int hex_digit(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

// The code unit of a \U+XXXX escape at `at`, or -1.
int escape_at(const std::u16string& text, std::size_t at) {
  if (at + 7 > text.size() || text[at] != u'\\' || (text[at + 1] != u'U' && text[at + 1] != u'u') ||
      text[at + 2] != u'+')
    return -1;
  int unit = 0;
  for (std::size_t i = at + 3; i < at + 7; ++i) {
    const int digit = hex_digit(text[i]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

bool escape_at(const std::string& text, std::size_t at) {
  if (at + 7 > text.size() || text[at] != '\\' || (text[at + 1] != 'U' && text[at + 1] != 'u') ||
      text[at + 2] != '+')
    return false;
  for (std::size_t i = at + 3; i < at + 7; ++i)
    if (hex_digit(static_cast<char16_t>(text[i])) < 0) return false;
  return true;
}

std::u16string unicode_escapes(const std::u16string& text) {
  std::u16string out;
  char buffer[8];
  for (char16_t c : text) {
    if (c < 0x80) {
      out += c;
      continue;
    }
    std::snprintf(buffer, sizeof buffer, "\\U+%04X", static_cast<unsigned>(c));
    for (const char* p = buffer; *p; ++p) out += static_cast<char16_t>(*p);
  }
  return out;
}

// Length in bytes of the UTF-8 sequence that starts with `lead`.
std::size_t utf8_length(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return 4;
}

}  // namespace

std::optional<double> odDxfParseDouble(const std::string& value) {
  const std::string text = trimmed(value);
  double result = 0.0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, result);
  if (ec != std::errc() || ptr != end || !std::isfinite(result)) return std::nullopt;
  return result;
}

std::optional<long long> odDxfParseInt(const std::string& value) {
  std::string text = trimmed(value);
  if (!text.empty() && text[0] == '+') text.erase(0, 1);
  long long result = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, result);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return result;
}

std::string odDxfFormatDouble(double value) {
  if (value == 0.0) return "0.0";
  char buffer[64];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, ec == std::errc() ? ptr : buffer);
  if (text.find_first_of(".eE") == std::string::npos) text += ".0";
  return text;
}

std::string odDxfFormatInt(long long value) { return std::to_string(value); }

bool odDxfSameDouble(double a, double b) {
  const double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
  return std::fabs(a - b) <= 1e-12 * scale;
}

std::u16string odDxfCaretDecode(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c != u'^' || i + 1 == text.size()) {
      out += c;
      continue;
    }
    const char16_t next = text[i + 1];
    if (next == u' ') {
      out += u'^';
      ++i;
    } else if (next >= u'@' && next <= u'_') {
      out += static_cast<char16_t>(next - u'@');
      ++i;
    } else if (next == u'?') {
      out += char16_t{0x7F};
      ++i;
    } else {
      out += c;  // not caret notation: a literal caret
    }
  }
  return out;
}

std::u16string odDxfCaretEncode(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == u'^') {
      out += u"^ ";
    } else if (c < 0x20) {
      out += u'^';
      out += static_cast<char16_t>(c + u'@');
    } else if (c == 0x7F) {
      out += u"^?";
    } else {
      out += c;
    }
  }
  return out;
}

std::u16string odDxfDecodeUnicodeEscapes(const std::u16string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const int unit = escape_at(text, i);
    if (unit < 0) {
      out += text[i++];
    } else {
      out += static_cast<char16_t>(unit);
      i += 7;
    }
  }
  return out;
}

OdString odDxfDecodeString(const std::string& value, int version, bool decodeUnicodeEscapes) {
  std::u16string text =
      version >= kOdDxfUtf8Version ? OdString::fromUtf8(value).str() : from_cp1252(value);
  text = odDxfCaretDecode(text);
  if (decodeUnicodeEscapes) text = odDxfDecodeUnicodeEscapes(text);
  return OdString(std::move(text));
}

std::string odDxfEncodeString(const OdString& text, int version) {
  std::u16string encoded = odDxfCaretEncode(text.str());
  if (version < kOdDxfUtf8Version) encoded = unicode_escapes(encoded);
  return odUtf16ToUtf8(encoded);
}

std::vector<std::string> odDxfSplitChunks(const std::string& encoded, std::size_t size) {
  std::vector<std::string> chunks(1);
  std::size_t characters = 0;
  for (std::size_t i = 0; i < encoded.size();) {
    // One unit that must stay whole, and how many characters it counts for.
    std::size_t bytes = utf8_length(static_cast<unsigned char>(encoded[i]));
    std::size_t count = 1;
    if (escape_at(encoded, i)) {
      bytes = count = 7;
    } else if (encoded[i] == '^' && i + 1 < encoded.size() &&
               static_cast<unsigned char>(encoded[i + 1]) < 0x80) {
      bytes = count = 2;
    }
    bytes = std::min(bytes, encoded.size() - i);
    if (characters + count > size && characters > 0) {
      chunks.emplace_back();
      characters = 0;
    }
    chunks.back().append(encoded, i, bytes);
    characters += count;
    i += bytes;
  }
  return chunks;
}
