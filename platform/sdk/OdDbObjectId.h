// OdDbObjectId: an opaque reference to an object of a database, valid while the database lives.
#pragma once

#include <compare>

#include "platform/sdk/OdDbHandle.h"
#include "platform/sdk/OdRxObject.h"

class OdDbDatabase;
class OdDbObject;
using OdDbObjectPtr = OdSmartPtr<OdDbObject>;

namespace OdDb {
enum OpenMode { kNotOpen = -1, kForRead = 0, kForWrite = 1, kForNotify = 2 };
}

// The database keeps one stub per object; ids point at stubs.
struct od_db_stub {
  OdDbDatabase* database = nullptr;
  OdDbHandle handle;
  OdDbObjectPtr object;
};

class OdDbObjectId {
public:
  OdDbObjectId() = default;
  explicit OdDbObjectId(od_db_stub* stub) : m_stub(stub) {}

  static const OdDbObjectId kNull;

  bool isNull() const { return m_stub == nullptr; }
  bool isValid() const { return m_stub != nullptr; }
  bool isErased() const;
  OdDbDatabase* database() const { return m_stub ? m_stub->database : nullptr; }
  OdDbHandle getHandle() const { return m_stub ? m_stub->handle : OdDbHandle(); }

  // The object opened in `mode`; null for a null id, or an erased object
  // unless `openErased`.
  OdDbObjectPtr openObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;
  // The object without touching its open mode, for the layer's own reads;
  // null for a null id.
  OdDbObject* peekObject() const { return m_stub ? m_stub->object.get() : nullptr; }
  // The same, but a failure throws (eNullObjectId, eWasErased).
  OdDbObjectPtr safeOpenObject(OdDb::OpenMode mode = OdDb::kForRead, bool openErased = false) const;

  friend bool operator==(const OdDbObjectId&, const OdDbObjectId&) = default;
  friend auto operator<=>(const OdDbObjectId&, const OdDbObjectId&) = default;

private:
  od_db_stub* m_stub = nullptr;
};

inline const OdDbObjectId OdDbObjectId::kNull{};
