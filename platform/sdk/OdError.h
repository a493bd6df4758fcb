// Result codes and the exception type of the drawing layer.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/sdk/OdString.h"

enum OdResult : int {
  eOk = 0,
  eNotImplemented = 1,
  eInvalidInput = 3,
  eNullObjectId = 5,
  eNullObjectPointer = 6,
  eInvalidIndex = 8,
  eKeyNotFound = 10,
  eWasErased = 12,
  eNotOpenForWrite = 14,
  eNotOpenForRead = 15,
  eNotThatKindOfClass = 17,
  eAlreadyInDb = 20,
  eNoDatabase = 21,
  eInvalidDxfCode = 30,
  eFileNotFound = 40,
  eDuplicateRecordName = 60,
  eLockViolation = 70,
  eNoFont = 80,
  eDuplicateClassName = 313,  // a runtime class name registered twice
};

// Short English description of a result code.
const char* odResultDescription(OdResult code);

class OdRxClass;

class OdError : public std::runtime_error {
public:
  explicit OdError(OdResult code);
  OdError(OdResult code, const std::string& description);
  OdResult code() const { return m_code; }
  OdString description() const { return OdString::fromUtf8(what()); }

private:
  OdResult m_code;
};

// A checked cast found an object of an unrelated class.
class OdError_NotThatKindOfClass : public OdError {
public:
  OdError_NotThatKindOfClass(const OdRxClass* from, const OdRxClass* to);
};
