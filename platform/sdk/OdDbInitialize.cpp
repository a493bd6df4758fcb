// Registration of the database layer's classes in the class dictionary.
#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"

void odDbInitialize() {
  static const bool done = [] {
    // A class some other part registered first keeps that registration.
    const OdResult results[] = {
        OdDbObject::rxInit(),         OdDbEntity::rxInit(),           OdDbSymbolTable::rxInit(),
        OdDbSymbolTableRecord::rxInit(), OdDbLayerTableRecord::rxInit(), OdDbTextStyleTableRecord::rxInit(),
        OdDbBlockTableRecord::rxInit(), OdDbText::rxInit(),           OdDbMText::rxInit(),
        OdDbField::rxInit(),          OdDbAttributeDefinition::rxInit(), OdDbAttribute::rxInit(),
        OdDbBlockReference::rxInit(), OdDbMLeader::rxInit(),          OdDbDatabase::rxInit(),
    };
    (void)results;
    return true;
  }();
  (void)done;
}
