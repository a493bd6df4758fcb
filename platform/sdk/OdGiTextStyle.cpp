#include "platform/sdk/OdGiTextStyle.h"

#include "platform/sdk/OdBlockPool.h"
#include "platform/sdk/OdFont.h"

OdTtfDescriptor::OdTtfDescriptor(const OdString& typeface, bool bold, bool italic, int charset,
                                 int pitchAndFamily)
    : m_typeface(typeface), m_flags(packFlags(bold, italic, charset, pitchAndFamily)) {}

std::uint32_t OdTtfDescriptor::packFlags(bool bold, bool italic, int charset, int pitchAndFamily) {
  return (bold ? 0x02000000u : 0u) | (italic ? 0x01000000u : 0u) |
         ((static_cast<std::uint32_t>(charset) & 0xFFu) << 8) |
         (static_cast<std::uint32_t>(pitchAndFamily) & 0xFFu);
}

OdGiTextStyle::shared_attributes::shared_attributes(const attributes& a) : attributes(a) {}

void* OdGiTextStyle::shared_attributes::operator new(std::size_t size) { return od_block_pool::allocate(size); }

void OdGiTextStyle::shared_attributes::operator delete(void* block, std::size_t size) noexcept {
  od_block_pool::release(block, size);
}

// Constant-initialised, so styles made by other files' static initialisers
// read the right defaults.
constinit const OdGiTextStyle::attributes OdGiTextStyle::s_defaults{};

namespace {
template <class Shared>
void release(Shared* data) {
  if (data && --data->refs == 0) delete data;
}
}  // namespace

OdGiTextStyle::OdGiTextStyle(const OdGiTextStyle& other) : m_data(other.m_data) {
  if (m_data) ++m_data->refs;
}

OdGiTextStyle& OdGiTextStyle::operator=(const OdGiTextStyle& other) {
  if (m_data == other.m_data) return *this;
  if (other.m_data) ++other.m_data->refs;
  release(m_data);
  m_data = other.m_data;
  return *this;
}

OdGiTextStyle& OdGiTextStyle::operator=(OdGiTextStyle&& other) noexcept {
  if (this == &other) return *this;
  release(m_data);
  m_data = other.m_data;
  other.m_data = nullptr;
  return *this;
}

OdGiTextStyle::~OdGiTextStyle() { release(m_data); }

bool OdGiTextStyle::hasSameAttributes(const OdGiTextStyle& other) const {
  if (sharesAttributesWith(other)) return true;
  const attributes& a = read();
  const attributes& b = other.read();
  return a.ttf == b.ttf && a.fileName == b.fileName && a.bigFontFileName == b.bigFontFileName &&
         a.styleName == b.styleName && a.textSize == b.textSize && a.xScale == b.xScale &&
         a.obliquingAngle == b.obliquingAngle && a.trackingPercent == b.trackingPercent && a.flags == b.flags &&
         a.codePage == b.codePage;
}

OdGiTextStyle::attributes& OdGiTextStyle::write(bool keep_font) {
  if (!m_data || m_data->refs != 1) {
    auto* own = new shared_attributes(read());
    release(m_data);
    m_data = own;
  }
  if (!keep_font) m_data->font = nullptr;
  return *m_data;
}

OdTtfDescriptor& OdGiTextStyle::ttfDecriptor() { return write(false).ttf; }

void OdGiTextStyle::setFont(const OdString& typeface, bool bold, bool italic, int charset,
                            int pitchAndFamily) {
  const std::uint32_t flags = OdTtfDescriptor::packFlags(bold, italic, charset, pitchAndFamily);
  const int codePage = OdCharMapper::getCodepageByCharset(charset);
  const OdInternedName name(typeface);
  const attributes& now = read();
  if (now.ttf.typeface() == name.str() && now.ttf.flags() == flags && now.codePage == codePage) return;
  attributes& a = write(false);
  a.ttf.setTypeFace(name);
  a.ttf.setTtfFlags(flags);
  a.codePage = codePage;
}

void OdGiTextStyle::font(OdString& typeface, bool& bold, bool& italic, int& charset,
                         int& pitchAndFamily) const {
  const OdTtfDescriptor& ttf = read().ttf;
  typeface = ttf.typeface();
  bold = ttf.isBold();
  italic = ttf.isItalic();
  charset = ttf.charSet();
  pitchAndFamily = ttf.pitchAndFamily();
}

void OdGiTextStyle::setFileName(const OdString& fileName) {
  const OdInternedName name(fileName);
  if (!(read().fileName == name)) write(false).fileName = name;
}

void OdGiTextStyle::setBigFontFileName(const OdString& fileName) {
  const OdInternedName name(fileName);
  if (!(read().bigFontFileName == name)) write(true).bigFontFileName = name;
}

void OdGiTextStyle::setStyleName(const OdString& name) {
  const OdInternedName interned(name);
  if (!(read().styleName == interned)) write(true).styleName = interned;
}

void OdGiTextStyle::setFlag(Flag flag, bool on) {
  if (hasFlag(flag) == on) return;
  // Only the shape-file flag picks another font.
  attributes& a = write(flag != kShxFont);
  a.flags = on ? (a.flags | flag) : (a.flags & ~flag);
}

void OdGiTextStyle::setShxFont(bool on) { setFlag(kShxFont, on); }

void OdGiTextStyle::loadStyleRec(OdDbDatabase* database) const {
  // The font belongs to the attributes: resolving it changes no attribute,
  // so styles sharing them share it too.
  if (!m_data) m_data = new shared_attributes(read());
  m_data->font = odResolveFont(*this, database);
}

OdFont* OdGiTextStyle::getFont() const {
  if (!read().font) loadStyleRec(nullptr);
  return read().font.get();
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
