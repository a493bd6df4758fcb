// OdDbBlockTableRecord: a block (model space, paper space or a named block)
// owning its entities in drawing order.
#pragma once

#include <vector>

#include "platform/sdk/OdDbSymbolTable.h"

class OdDbEntity;

class OdDbBlockTableRecord : public OdDbSymbolTableRecord {
  ODRX_DECLARE_MEMBERS(OdDbBlockTableRecord);

public:
  // Adds the entity to the block's database (if it is not in it yet) and to
  // the end of the block; the block becomes its owner. A block that is not
  // in a database refuses with eNoDatabase.
  OdDbObjectId appendOdDbEntity(OdDbEntity* entity);
  // Entity ids in drawing order, erased ones included (callers skip them).
  const std::vector<OdDbObjectId>& entityIds() const { return m_entities; }
  bool isLayout() const;

protected:
  // Draws the live entities in order, so a whole space records in one call.
  bool subWorldDraw(OdGiWorldDraw* worldDraw) const override;

private:
  std::vector<OdDbObjectId> m_entities;
};
using OdDbBlockTableRecordPtr = OdSmartPtr<OdDbBlockTableRecord>;
