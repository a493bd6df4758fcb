#include "platform/sdk/OdDbTextStyleTableRecord.h"

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdFont.h"

ODRX_CONS_DEFINE_MEMBERS(OdDbTextStyleTableRecord, OdDbSymbolTableRecord, u"STYLE")

void OdDbTextStyleTableRecord::setFont(const OdString& typeface, bool bold, bool italic, int charset,
                                       int pitchAndFamily) {
  assertWriteEnabled();
  m_typeface = typeface;
  m_bold = bold;
  m_italic = italic;
  m_charset = charset;
  m_pitchAndFamily = pitchAndFamily;
}

void OdDbTextStyleTableRecord::font(OdString& typeface, bool& bold, bool& italic, int& charset,
                                    int& pitchAndFamily) const {
  typeface = m_typeface;
  bold = m_bold;
  italic = m_italic;
  charset = m_charset;
  pitchAndFamily = m_pitchAndFamily;
}

void giFromDbTextStyle(const OdDbTextStyleTableRecord* record, OdGiTextStyle& style) {
  if (!record) return;
  OdString typeface;
  bool bold = false, italic = false;
  int charset = 0, pitchAndFamily = 0;
  record->font(typeface, bold, italic, charset, pitchAndFamily);
  style.setFont(typeface, bold, italic, charset, pitchAndFamily);
  style.setFileName(record->fileName());
  style.setBigFontFileName(record->bigFontFileName());
  style.setTextSize(record->textSize());
  style.setXScale(record->xScale());
  style.setObliquingAngle(record->obliquingAngle());
  style.setVertical(record->isVertical());
  // Without a typeface the font file is the font: a shape font, unless it is
  // a TrueType file.
  style.setShxFont(record->isShapeFile() || (typeface.isEmpty() && !odIsTrueTypeFileName(record->fileName())));
  style.setStyleName(record->getName());
}

void giFromDbTextStyle(const OdDbObjectId& styleId, OdGiTextStyle& style) {
  // Reading the record must not change the open mode a caller gave it.
  if (styleId.isNull() || styleId.isErased()) return;
  OdDbTextStyleTableRecordPtr record(styleId.peekObject());  // throws for another class
  giFromDbTextStyle(record.get(), style);
}

OdGiTextStyle giEntityTextStyle(const OdDbObjectId& styleId, OdDbDatabase* database, double textSize) {
  OdGiTextStyle style;
  style.setFileName(u"txt");
  style.setShxFont(true);
  OdDbObjectId id = styleId;
  if (id.isNull() && database) id = database->getTextStyleStandardId();
  giFromDbTextStyle(id, style);
  style.setTextSize(textSize);
  return style;
}
