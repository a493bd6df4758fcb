#include "platform/sdk/OdGiTextStyle.h"

#include "platform/sdk/OdFont.h"

OdTtfDescriptor::OdTtfDescriptor(const OdString& typeface, bool bold, bool italic, int charset,
                                 int pitchAndFamily)
    : m_typeface(typeface), m_flags(packFlags(bold, italic, charset, pitchAndFamily)) {}

std::uint32_t OdTtfDescriptor::packFlags(bool bold, bool italic, int charset, int pitchAndFamily) {
  return (bold ? 0x02000000u : 0u) | (italic ? 0x01000000u : 0u) |
         ((static_cast<std::uint32_t>(charset) & 0xFFu) << 8) |
         (static_cast<std::uint32_t>(pitchAndFamily) & 0xFFu);
}

OdGiTextStyle::OdGiTextStyle() = default;
OdGiTextStyle::OdGiTextStyle(const OdGiTextStyle& other) = default;
OdGiTextStyle& OdGiTextStyle::operator=(const OdGiTextStyle& other) = default;
OdGiTextStyle::~OdGiTextStyle() = default;

void OdGiTextStyle::setFont(const OdString& typeface, bool bold, bool italic, int charset,
                            int pitchAndFamily) {
  m_ttf.setTypeFace(typeface);
  m_ttf.setTtfFlags(OdTtfDescriptor::packFlags(bold, italic, charset, pitchAndFamily));
  m_codePage = OdCharMapper::getCodepageByCharset(charset);
  m_font = nullptr;
}

void OdGiTextStyle::font(OdString& typeface, bool& bold, bool& italic, int& charset,
                         int& pitchAndFamily) const {
  typeface = m_ttf.typeface();
  bold = m_ttf.isBold();
  italic = m_ttf.isItalic();
  charset = m_ttf.charSet();
  pitchAndFamily = m_ttf.pitchAndFamily();
}

void OdGiTextStyle::setFileName(const OdString& fileName) {
  m_fileName = fileName;
  m_font = nullptr;
}

void OdGiTextStyle::setShxFont(bool on) {
  if (on != isShxFont()) m_font = nullptr;
  setFlag(kShxFont, on);
}

void OdGiTextStyle::loadStyleRec(OdDbDatabase* database) const { m_font = odResolveFont(*this, database); }

OdFont* OdGiTextStyle::getFont() const {
  if (!m_font) loadStyleRec(nullptr);
  return m_font.get();
}

int OdCharMapper::getCodepageByCharset(int charset) {
  switch (charset) {
    case 0: return 1252;    // ANSI
    case 1: return 0;       // DEFAULT: the system's, not known here
    case 2: return 42;      // SYMBOL
    case 77: return 10000;  // MAC
    case 128: return 932;   // SHIFTJIS
    case 129: return 949;   // HANGEUL
    case 130: return 1361;  // JOHAB
    case 134: return 936;   // GB2312
    case 136: return 950;   // CHINESEBIG5
    case 161: return 1253;  // GREEK
    case 162: return 1254;  // TURKISH
    case 163: return 1258;  // VIETNAMESE
    case 177: return 1255;  // HEBREW
    case 178: return 1256;  // ARABIC
    case 186: return 1257;  // BALTIC
    case 204: return 1251;  // RUSSIAN
    case 222: return 874;   // THAI
    case 238: return 1250;  // EASTEUROPE
    case 255: return 437;   // OEM
    default: return 0;
  }
}
