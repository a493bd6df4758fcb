// OdString: the drawing layer's wide string, a value over UTF-16 code units.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

using OdChar = char16_t;

class OdString {
public:
  OdString() = default;
  OdString(const OdChar* text) : m_text(text ? text : u"") {}
  OdString(const OdChar* text, int length) : m_text(text, static_cast<size_t>(length)) {}
  OdString(std::u16string text) : m_text(std::move(text)) {}
  OdString(std::u16string_view text) : m_text(text) {}
  OdString(OdChar ch, int count) : m_text(static_cast<size_t>(count), ch) {}

  // UTF-8 at the edges. fromUtf8 replaces malformed sequences with U+FFFD;
  // tryFromUtf8 refuses them, for callers that must report bad input.
  static OdString fromUtf8(std::string_view utf8);
  static std::optional<OdString> tryFromUtf8(std::string_view utf8);
  std::string toUtf8() const;

  int getLength() const { return static_cast<int>(m_text.size()); }
  bool isEmpty() const { return m_text.empty(); }
  const OdChar* c_str() const { return m_text.c_str(); }
  const std::u16string& str() const { return m_text; }
  std::u16string& str() { return m_text; }

  OdChar getAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
  OdChar operator[](int index) const { return m_text[static_cast<size_t>(index)]; }
  void setAt(int index, OdChar ch) { m_text.at(static_cast<size_t>(index)) = ch; }

  OdString mid(int first, int count = -1) const;
  OdString left(int count) const { return mid(0, count); }
  OdString right(int count) const;
  int find(OdChar ch, int start = 0) const;
  int find(const OdString& sub, int start = 0) const;
  int reverseFind(OdChar ch) const;
  int replace(const OdString& from, const OdString& to);

  OdString& makeUpper();
  OdString& makeLower();
  OdString& trimLeft();
  OdString& trimRight();
  OdString& empty() { m_text.clear(); return *this; }

  int compare(const OdString& other) const { return m_text.compare(other.m_text); }
  // Case-insensitive for ASCII and Latin-1 letters, as symbol-table lookups need.
  int iCompare(const OdString& other) const;

  OdString& operator+=(const OdString& other) { m_text += other.m_text; return *this; }
  OdString& operator+=(OdChar ch) { m_text += ch; return *this; }
  friend OdString operator+(OdString a, const OdString& b) { return a += b; }
  friend bool operator==(const OdString& a, const OdString& b) = default;
  friend auto operator<=>(const OdString& a, const OdString& b) = default;

private:
  std::u16string m_text;
};

// Decodes UTF-8 into UTF-16 strictly; false on any malformed sequence.
bool odUtf8ToUtf16(std::string_view utf8, std::u16string& out);
// Encodes UTF-16 as UTF-8; an unpaired surrogate becomes U+FFFD.
std::string odUtf16ToUtf8(std::u16string_view utf16);
