// OdCmColor: an entity colour with the colour-book and colour names a user gave it.
#pragma once

#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdString.h"

class OdCmColor : public OdCmEntityColor {
public:
  OdCmColor() = default;
  OdCmColor(const OdCmEntityColor& color) : OdCmEntityColor(color) {}

  const OdCmEntityColor& entityColor() const { return *this; }

  // A colour from a colour book is a true colour with both names set.
  bool setNames(const OdString& colorName, const OdString& bookName = OdString()) {
    m_colorName = colorName;
    m_bookName = bookName;
    return true;
  }
  const OdString& colorName() const { return m_colorName; }
  const OdString& bookName() const { return m_bookName; }
  // "BOOK$COLOR", as drawing files store a colour-book colour's name.
  OdString getDictionaryKey() const { return m_bookName + OdString(u"$") + m_colorName; }
  bool hasBookName() const { return !m_bookName.isEmpty(); }

  friend bool operator==(const OdCmColor&, const OdCmColor&) = default;

private:
  OdString m_colorName;
  OdString m_bookName;
};
