#include "platform/sdk/OdString.h"

#include <algorithm>

namespace {

constexpr char32_t replacement_char = 0xFFFD;

void append_utf16(std::u16string& out, char32_t cp) {
  if (cp < 0x10000) {
    out += static_cast<char16_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (cp >> 10));
    out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  }
}

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one code point at `pos`; returns false (and skips one byte) when
// the sequence is malformed, overlong, a surrogate or beyond U+10FFFF.
bool decode_utf8(std::string_view s, size_t& pos, char32_t& cp) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char lead = byte(pos);
  int extra = 0;
  char32_t min = 0;
  if (lead < 0x80) { cp = lead; ++pos; return true; }
  if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; min = 0x80; }
  else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; min = 0x800; }
  else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; min = 0x10000; }
  else { ++pos; return false; }
  if (pos + extra >= s.size()) { ++pos; return false; }  // truncated
  for (int i = 1; i <= extra; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) { ++pos; return false; }
    cp = (cp << 6) | (byte(pos + i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) { ++pos; return false; }
  pos += extra + 1;
  return true;
}

bool is_blank(OdChar ch) { return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n'; }

OdChar to_upper(OdChar ch) {
  if ((ch >= u'a' && ch <= u'z') || (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7)) return ch - 32;
  return ch;
}

OdChar to_lower(OdChar ch) {
  if ((ch >= u'A' && ch <= u'Z') || (ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)) return ch + 32;
  return ch;
}

}  // namespace

bool odUtf8ToUtf16(std::string_view utf8, std::u16string& out) {
  out.clear();
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    if (!decode_utf8(utf8, pos, cp)) return false;
    append_utf16(out, cp);
  }
  return true;
}

std::string odUtf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size());
  for (size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = replacement_char;
    }
    append_utf8(out, cp);
  }
  return out;
}

OdString OdString::fromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp = 0;
    append_utf16(out, decode_utf8(utf8, pos, cp) ? cp : replacement_char);
  }
  return OdString(std::move(out));
}

std::optional<OdString> OdString::tryFromUtf8(std::string_view utf8) {
  std::u16string out;
  if (!odUtf8ToUtf16(utf8, out)) return std::nullopt;
  return OdString(std::move(out));
}

std::string OdString::toUtf8() const { return odUtf16ToUtf8(m_text); }

OdString OdString::mid(int first, int count) const {
  const int length = getLength();
  first = std::clamp(first, 0, length);
  if (count < 0 || first + count > length) count = length - first;
  return OdString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

OdString OdString::right(int count) const {
  count = std::clamp(count, 0, getLength());
  return mid(getLength() - count, count);
}

int OdString::find(OdChar ch, int start) const {
  if (start < 0 || start >= getLength()) return -1;
  const auto pos = m_text.find(ch, static_cast<size_t>(start));
  return pos == std::u16string::npos ? -1 : static_cast<int>(pos);
}

int OdString::find(const OdString& sub, int start) const {
  if (start < 0 || start > getLength()) return -1;
  const auto pos = m_text.find(sub.m_text, static_cast<size_t>(start));
  return pos == std::u16string::npos ? -1 : static_cast<int>(pos);
}

int OdString::reverseFind(OdChar ch) const {
  const auto pos = m_text.rfind(ch);
  return pos == std::u16string::npos ? -1 : static_cast<int>(pos);
}

int OdString::replace(const OdString& from, const OdString& to) {
  if (from.isEmpty()) return 0;
  int count = 0;
  for (size_t pos = m_text.find(from.m_text); pos != std::u16string::npos;
       pos = m_text.find(from.m_text, pos + to.m_text.size())) {
    m_text.replace(pos, from.m_text.size(), to.m_text);
    ++count;
  }
  return count;
}

OdString& OdString::makeUpper() {
  std::transform(m_text.begin(), m_text.end(), m_text.begin(), to_upper);
  return *this;
}

OdString& OdString::makeLower() {
  std::transform(m_text.begin(), m_text.end(), m_text.begin(), to_lower);
  return *this;
}

OdString& OdString::trimLeft() {
  const auto it = std::find_if_not(m_text.begin(), m_text.end(), is_blank);
  m_text.erase(m_text.begin(), it);
  return *this;
}

OdString& OdString::trimRight() {
  while (!m_text.empty() && is_blank(m_text.back())) m_text.pop_back();
  return *this;
}

int OdString::iCompare(const OdString& other) const {
  OdString a = *this, b = other;
  return a.makeLower().compare(b.makeLower());
}
