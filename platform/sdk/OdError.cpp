#include "platform/sdk/OdError.h"

#include "platform/sdk/OdRxObject.h"

const char* odResultDescription(OdResult code) {
  switch (code) {
    case eOk: return "No error";
    case eNotImplemented: return "Not implemented";
    case eInvalidInput: return "Invalid input";
    case eNullObjectId: return "Null object id";
    case eNullObjectPointer: return "Null object pointer";
    case eInvalidIndex: return "Invalid index";
    case eKeyNotFound: return "Key not found";
    case eWasErased: return "Object was erased";
    case eNotOpenForWrite: return "Object is not open for write";
    case eNotOpenForRead: return "Object is not open for read";
    case eNotThatKindOfClass: return "Not that kind of class";
    case eAlreadyInDb: return "Object is already in a database";
    case eNoDatabase: return "Object is not in a database";
    case eInvalidDxfCode: return "Invalid DXF code";
    case eFileNotFound: return "File not found";
    case eDuplicateRecordName: return "Duplicate record name";
    case eLockViolation: return "Layer is locked";
    case eNoFont: return "Font not found";
    case eDuplicateClassName: return "Class name is already registered";
  }
  return "Unknown error";
}

OdError::OdError(OdResult code) : std::runtime_error(odResultDescription(code)), m_code(code) {}

OdError::OdError(OdResult code, const std::string& description)
    : std::runtime_error(description), m_code(code) {}

namespace {
std::string class_name(const OdRxClass* cls) {
  return cls ? cls->name().toUtf8() : std::string("(null)");
}
}  // namespace

OdError_NotThatKindOfClass::OdError_NotThatKindOfClass(const OdRxClass* from, const OdRxClass* to)
    : OdError(eNotThatKindOfClass,
              "Object of class " + class_name(from) + " can't be cast to " + class_name(to) + ".") {}
