// OdDbTextStyleTableRecord: a named text style (font, size, width factor,
// obliquing angle) and giFromDbTextStyle, which copies one into an OdGiTextStyle.
#pragma once

#include <cstdint>

#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdGiTextStyle.h"

class OdDbTextStyleTableRecord : public OdDbSymbolTableRecord {
  ODRX_DECLARE_MEMBERS(OdDbTextStyleTableRecord);

public:
  void setFont(const OdString& typeface, bool bold, bool italic, int charset, int pitchAndFamily);
  void font(OdString& typeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;

  const OdString& fileName() const { return m_fileName; }
  void setFileName(const OdString& name) { assertWriteEnabled(); m_fileName = name; }
  const OdString& bigFontFileName() const { return m_bigFontFileName; }
  void setBigFontFileName(const OdString& name) { assertWriteEnabled(); m_bigFontFileName = name; }
  // A shape-file record holds shapes, not a font for text.
  bool isShapeFile() const { return m_shapeFile; }
  void setIsShapeFile(bool on) { assertWriteEnabled(); m_shapeFile = on; }
  bool isVertical() const { return m_vertical; }
  void setIsVertical(bool on) { assertWriteEnabled(); m_vertical = on; }
  // Fixed height; 0 lets every text choose its own.
  double textSize() const { return m_textSize; }
  void setTextSize(double size) { assertWriteEnabled(); m_textSize = size; }
  double xScale() const { return m_xScale; }
  void setXScale(double scale) { assertWriteEnabled(); m_xScale = scale; }
  // Radians.
  double obliquingAngle() const { return m_obliquingAngle; }
  void setObliquingAngle(double radians) { assertWriteEnabled(); m_obliquingAngle = radians; }
  // The height last used with the style.
  double priorSize() const { return m_priorSize; }
  void setPriorSize(double size) { assertWriteEnabled(); m_priorSize = size; }

private:
  OdString m_typeface;
  bool m_bold = false, m_italic = false;
  int m_charset = 0, m_pitchAndFamily = 0;
  OdString m_fileName;
  OdString m_bigFontFileName;
  bool m_shapeFile = false, m_vertical = false;
  double m_textSize = 0.0, m_xScale = 1.0, m_obliquingAngle = 0.0, m_priorSize = 2.5;
};
using OdDbTextStyleTableRecordPtr = OdSmartPtr<OdDbTextStyleTableRecord>;

// Copies font, file names, text size, x scale, obliquing angle, the shape
// and vertical flags and the name. A record with a typeface draws with it; a
// record without one draws with its font file (a shape font). A null record
// leaves the style as it was.
void giFromDbTextStyle(const OdDbTextStyleTableRecord* record, OdGiTextStyle& style);
// The same through an id; an id that is not a text style record throws
// OdError_NotThatKindOfClass, a null or erased id leaves the style as it was.
void giFromDbTextStyle(const OdDbObjectId& styleId, OdGiTextStyle& style);

// The style an entity draws with: its style record (the database's Standard
// when it names none) at `textSize`; the shape font "txt" when no record opens.
OdGiTextStyle giEntityTextStyle(const OdDbObjectId& styleId, OdDbDatabase* database, double textSize);
