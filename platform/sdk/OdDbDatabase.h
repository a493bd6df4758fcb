// OdDbDatabase: one drawing, its objects, symbol tables and header variables.
#pragma once

#include "platform/sdk/OdRxObject.h"

class OdDbDatabase : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdDbDatabase);
};

using OdDbDatabasePtr = OdSmartPtr<OdDbDatabase>;
