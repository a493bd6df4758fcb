// OdDbLayerTableRecord: a layer, with its colour, line type and its lock, freeze and off flags.
#pragma once

#include "platform/sdk/OdCmEntityColor.h"
#include "platform/sdk/OdDbSymbolTable.h"

class OdDbLayerTableRecord : public OdDbSymbolTableRecord {
  ODRX_DECLARE_MEMBERS(OdDbLayerTableRecord);

public:
  const OdCmEntityColor& color() const { return m_color; }
  void setColor(const OdCmEntityColor& color) { assertWriteEnabled(); m_color = color; }
  // Locked layers keep their entities; commands refuse to change them.
  bool isLocked() const { return m_locked; }
  void setIsLocked(bool on) { assertWriteEnabled(); m_locked = on; }
  bool isFrozen() const { return m_frozen; }
  void setIsFrozen(bool on) { assertWriteEnabled(); m_frozen = on; }
  bool isOff() const { return m_off; }
  void setIsOff(bool on) { assertWriteEnabled(); m_off = on; }
  const OdString& linetypeName() const { return m_linetype; }
  void setLinetypeName(const OdString& name) { assertWriteEnabled(); m_linetype = name; }

private:
  OdCmEntityColor m_color = OdCmEntityColor::fromIndex(OdCmEntityColor::kACIforeground);
  bool m_locked = false, m_frozen = false, m_off = false;
  OdString m_linetype{u"Continuous"};
};
using OdDbLayerTableRecordPtr = OdSmartPtr<OdDbLayerTableRecord>;
