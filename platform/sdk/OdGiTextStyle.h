// OdGiTextStyle: the font and glyph attributes a run of text is drawn with.
//
// The style names its font two ways, a TrueType descriptor (typeface with
// packed flags) and a font file name (a shape font); which of the two is in
// force is decided by the caller from isShxFont(). loadStyleRec resolves the
// font object that measures and outlines glyphs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/sdk/OdInternedName.h"
#include "platform/sdk/OdRxObject.h"
#include "platform/sdk/OdString.h"

class OdDbDatabase;
class OdFont;
using OdFontPtr = OdSmartPtr<OdFont>;

// The TrueType part of a style. Flags pack pitch-and-family (bits 0-7),
// character set (bits 8-15), italic (bit 24) and bold (bit 25).
class OdTtfDescriptor {
public:
  OdTtfDescriptor() = default;
  OdTtfDescriptor(const OdString& typeface, bool bold, bool italic, int charset, int pitchAndFamily);

  const OdString& typeface() const { return m_typeface.str(); }
  const OdInternedName& typefaceInterned() const { return m_typeface; }
  const OdString& fileName() const { return m_fileName.str(); }
  std::uint32_t flags() const { return m_flags; }
  void setTypeFace(const OdString& typeface) { m_typeface = OdInternedName(typeface); }
  void setTypeFace(const OdInternedName& typeface) { m_typeface = typeface; }
  void setFileName(const OdString& fileName) { m_fileName = OdInternedName(fileName); }
  void setTtfFlags(std::uint32_t flags) { m_flags = flags; }

  bool isBold() const { return (m_flags & 0x02000000u) != 0; }
  bool isItalic() const { return (m_flags & 0x01000000u) != 0; }
  int charSet() const { return static_cast<int>((m_flags >> 8) & 0xFFu); }
  int pitchAndFamily() const { return static_cast<int>(m_flags & 0xFFu); }

  static std::uint32_t packFlags(bool bold, bool italic, int charset, int pitchAndFamily);

  friend bool operator==(const OdTtfDescriptor&, const OdTtfDescriptor&) = default;

private:
  OdInternedName m_typeface;
  OdInternedName m_fileName;
  std::uint32_t m_flags = 0;
};

// Copies share their attributes until one of them changes (copy on write),
// so a text style costs a pointer per copy: the text library gives every
// part of a text its own format. Two styles that share their attributes are
// equal without comparing them (sharesAttributesWith). Setting a value a
// style already holds changes nothing and shares on. A style and its copies
// belong to one thread.
class OdGiTextStyle {
public:
  OdGiTextStyle() = default;
  OdGiTextStyle(const OdGiTextStyle& other);
  OdGiTextStyle(OdGiTextStyle&& other) noexcept : m_data(other.m_data) { other.m_data = nullptr; }
  OdGiTextStyle& operator=(const OdGiTextStyle& other);
  OdGiTextStyle& operator=(OdGiTextStyle&& other) noexcept;
  ~OdGiTextStyle();

  // Sets the typeface with all its flags at once and recomputes the code page
  // from the character set.
  void setFont(const OdString& typeface, bool bold, bool italic, int charset, int pitchAndFamily);
  void font(OdString& typeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;
  const OdTtfDescriptor& ttfDecriptor() const { return read().ttf; }
  OdTtfDescriptor& ttfDecriptor();

  void setFileName(const OdString& fileName);
  const OdString& fileName() const { return read().fileName.str(); }
  const OdInternedName& fileNameInterned() const { return read().fileName; }
  void setBigFontFileName(const OdString& fileName);
  const OdString& bigFontFileName() const { return read().bigFontFileName.str(); }
  void setStyleName(const OdString& name);
  const OdString& styleName() const { return read().styleName.str(); }

  void setTextSize(double size) { set(&attributes::textSize, size); }
  double textSize() const { return read().textSize; }
  void setXScale(double scale) { set(&attributes::xScale, scale); }
  double xScale() const { return read().xScale; }
  void setObliquingAngle(double radians) { set(&attributes::obliquingAngle, radians); }
  double obliquingAngle() const { return read().obliquingAngle; }
  // Tracking as a factor on the normal spacing between characters (1.0: none).
  void setTrackingPercent(double factor) { set(&attributes::trackingPercent, factor); }
  double trackingPercent() const { return read().trackingPercent; }

  void setUnderlined(bool on) { setFlag(kUnderlined, on); }
  bool isUnderlined() const { return hasFlag(kUnderlined); }
  void setOverlined(bool on) { setFlag(kOverlined, on); }
  bool isOverlined() const { return hasFlag(kOverlined); }
  void setStriked(bool on) { setFlag(kStriked, on); }
  bool isStriked() const { return hasFlag(kStriked); }
  void setShxFont(bool on);
  bool isShxFont() const { return hasFlag(kShxFont); }
  void setVertical(bool on) { setFlag(kVertical, on); }
  bool isVertical() const { return hasFlag(kVertical); }
  void setBackward(bool on) { setFlag(kBackward, on); }
  bool isBackward() const { return hasFlag(kBackward); }
  void setUpsideDown(bool on) { setFlag(kUpsideDown, on); }
  bool isUpsideDown() const { return hasFlag(kUpsideDown); }
  // All style flags (underline, overline, strike, ...) as one number.
  std::uint32_t styleFlags() const { return read().flags; }

  void setCodePage(int codePage) { set(&attributes::codePage, codePage); }
  int codePage() const { return read().codePage; }

  // Resolves the font in force (shape file or typeface) into a font object.
  // The database may be null; it only adds the drawing's folder to the search.
  void loadStyleRec(OdDbDatabase* database) const;
  // The resolved font; loads it on first use.
  OdFont* getFont() const;

  // True when both styles share one set of attributes (and so are equal).
  bool sharesAttributesWith(const OdGiTextStyle& other) const { return m_data == other.m_data; }
  // True when every attribute is equal, shared or not (the resolved font
  // follows from them).
  bool hasSameAttributes(const OdGiTextStyle& other) const;

private:
  enum Flag : std::uint32_t {
    kUnderlined = 1u << 0,
    kOverlined = 1u << 1,
    kStriked = 1u << 2,
    kShxFont = 1u << 3,
    kVertical = 1u << 4,
    kBackward = 1u << 5,
    kUpsideDown = 1u << 6,
  };

  struct attributes {
    OdTtfDescriptor ttf;
    OdInternedName fileName;
    OdInternedName bigFontFileName;
    OdInternedName styleName;
    double textSize = 0.0;
    double xScale = 1.0;
    double obliquingAngle = 0.0;
    double trackingPercent = 1.0;
    std::uint32_t flags = 0;
    int codePage = 0;
    // The resolved font, kept with the attributes that resolved it.
    mutable OdFontPtr font;
  };
  // The attributes with a count of the styles that share them. The count is
  // not atomic: a style and its copies belong to one thread, as the texts
  // that hold them do (every part of a text holds a copy, so the count is
  // touched on every part made or dropped).
  struct shared_attributes : attributes {
    explicit shared_attributes(const attributes& a);
    // A text makes and drops them by the thousand, with its parts.
    static void* operator new(std::size_t size);
    static void operator delete(void* block, std::size_t size) noexcept;
    int refs = 1;
  };
  static const attributes s_defaults;

  // The attributes to read: this style's, or the defaults.
  const attributes& read() const { return m_data ? *m_data : s_defaults; }
  // This style's own attributes, copied first when shared; `keep_font` keeps
  // the resolved font, for changes that do not pick another font.
  attributes& write(bool keep_font);
  template <class T>
  void set(T attributes::*field, const T& value) {
    if (read().*field == value) return;
    write(true).*field = value;
  }
  void setFlag(Flag flag, bool on);
  bool hasFlag(Flag flag) const { return (read().flags & flag) != 0; }

  // Null: the default attributes.
  mutable shared_attributes* m_data = nullptr;
};

// Windows character sets to code pages (ANSI_CHARSET 0 -> 1252, ...).
namespace OdCharMapper {
int getCodepageByCharset(int charset);
}
