// Names that many text styles repeat (typefaces, font files, style names),
// kept once per process, so that a style copies and compares a name as a
// pointer.
#pragma once

#include "platform/sdk/OdString.h"

class OdInternedName {
public:
  OdInternedName() = default;
  // Looks the text up in the process's table of names (adding it).
  explicit OdInternedName(const OdString& text);

  const OdString& str() const { return m_text ? *m_text : empty(); }
  bool isEmpty() const { return !m_text; }

  // One table, so equal texts are one pointer.
  friend bool operator==(const OdInternedName& a, const OdInternedName& b) { return a.m_text == b.m_text; }
  friend bool operator==(const OdInternedName& a, const OdString& b) { return a.str() == b; }

private:
  static const OdString& empty();

  const OdString* m_text = nullptr;  // null: the empty name
};
