// OdGiTextStyle: the font and glyph attributes a run of text is drawn with.
//
// The style names its font two ways, a TrueType descriptor (typeface with
// packed flags) and a font file name (a shape font); which of the two is in
// force is decided by the caller from isShxFont(). loadStyleRec resolves the
// font object that measures and outlines glyphs.
#pragma once

#include <cstdint>

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

  const OdString& typeface() const { return m_typeface; }
  const OdString& fileName() const { return m_fileName; }
  std::uint32_t flags() const { return m_flags; }
  void setTypeFace(const OdString& typeface) { m_typeface = typeface; }
  void setFileName(const OdString& fileName) { m_fileName = fileName; }
  void setTtfFlags(std::uint32_t flags) { m_flags = flags; }

  bool isBold() const { return (m_flags & 0x02000000u) != 0; }
  bool isItalic() const { return (m_flags & 0x01000000u) != 0; }
  int charSet() const { return static_cast<int>((m_flags >> 8) & 0xFFu); }
  int pitchAndFamily() const { return static_cast<int>(m_flags & 0xFFu); }

  static std::uint32_t packFlags(bool bold, bool italic, int charset, int pitchAndFamily);

  friend bool operator==(const OdTtfDescriptor&, const OdTtfDescriptor&) = default;

private:
  OdString m_typeface;
  OdString m_fileName;
  std::uint32_t m_flags = 0;
};

class OdGiTextStyle {
public:
  OdGiTextStyle();
  OdGiTextStyle(const OdGiTextStyle& other);
  OdGiTextStyle& operator=(const OdGiTextStyle& other);
  ~OdGiTextStyle();

  // Sets the typeface with all its flags at once and recomputes the code page
  // from the character set.
  void setFont(const OdString& typeface, bool bold, bool italic, int charset, int pitchAndFamily);
  void font(OdString& typeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;
  const OdTtfDescriptor& ttfDecriptor() const { return m_ttf; }
  OdTtfDescriptor& ttfDecriptor() { return m_ttf; }

  void setFileName(const OdString& fileName);
  const OdString& fileName() const { return m_fileName; }
  void setBigFontFileName(const OdString& fileName) { m_bigFontFileName = fileName; }
  const OdString& bigFontFileName() const { return m_bigFontFileName; }
  void setStyleName(const OdString& name) { m_styleName = name; }
  const OdString& styleName() const { return m_styleName; }

  void setTextSize(double size) { m_textSize = size; }
  double textSize() const { return m_textSize; }
  void setXScale(double scale) { m_xScale = scale; }
  double xScale() const { return m_xScale; }
  void setObliquingAngle(double radians) { m_obliquingAngle = radians; }
  double obliquingAngle() const { return m_obliquingAngle; }
  // Tracking as a factor on the normal spacing between characters (1.0: none).
  void setTrackingPercent(double factor) { m_trackingPercent = factor; }
  double trackingPercent() const { return m_trackingPercent; }

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
  std::uint32_t styleFlags() const { return m_flags; }

  void setCodePage(int codePage) { m_codePage = codePage; }
  int codePage() const { return m_codePage; }

  // Resolves the font in force (shape file or typeface) into a font object.
  // The database may be null; it only adds the drawing's folder to the search.
  void loadStyleRec(OdDbDatabase* database) const;
  // The resolved font; loads it on first use.
  OdFont* getFont() const;

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
  void setFlag(Flag flag, bool on) { m_flags = on ? (m_flags | flag) : (m_flags & ~flag); }
  bool hasFlag(Flag flag) const { return (m_flags & flag) != 0; }

  OdTtfDescriptor m_ttf;
  OdString m_fileName;
  OdString m_bigFontFileName;
  OdString m_styleName;
  double m_textSize = 0.0;
  double m_xScale = 1.0;
  double m_obliquingAngle = 0.0;
  double m_trackingPercent = 1.0;
  std::uint32_t m_flags = 0;
  int m_codePage = 0;
  mutable OdFontPtr m_font;
};

// Windows character sets to code pages (ANSI_CHARSET 0 -> 1252, ...).
namespace OdCharMapper {
int getCodepageByCharset(int charset);
}
