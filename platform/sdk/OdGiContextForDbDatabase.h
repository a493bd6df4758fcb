// The drawing context that measures text against a database's fonts.
#pragma once

#include <cstdint>

#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdGiTextStyle.h"
#include "platform/sdk/OdRxObject.h"

class OdDbDatabase;

// The measurement every context gives (below), as a plain function for
// callers that measure many runs and need no context object.
void odTextExtentsBox(const OdGiTextStyle& style, const OdChar* text, int length, OdGePoint3d& min,
                      OdGePoint3d& max, OdGePoint3d* endPos = nullptr);

class OdGiDefaultContext : public OdRxObject {
  ODRX_DECLARE_MEMBERS(OdGiDefaultContext);

  // Measures `length` characters of `text` in `style`, at the style's text
  // size, width factor, obliquing angle and tracking. `min` and `max` receive
  // the ink box, `endPos` the pen position after the last character; all in
  // the text's own space (baseline along x, origin at the start).
  virtual void textExtentsBox(const OdGiTextStyle& style, const OdChar* text, int length,
                              std::uint32_t flags, OdGePoint3d& min, OdGePoint3d& max,
                              OdGePoint3d* endPos = nullptr);
};

class OdGiContextForDbDatabase : public OdGiDefaultContext {
  ODRX_DECLARE_MEMBERS(OdGiContextForDbDatabase);

  ~OdGiContextForDbDatabase() override;

  // With `holdReference` the context keeps the database alive while it has it.
  void setDatabase(OdDbDatabase* database, bool holdReference = true);
  OdDbDatabase* database() const { return m_database; }

private:
  OdDbDatabase* m_database = nullptr;
  bool m_holdsReference = false;
};

using OdGiContextForDbDatabasePtr = OdSmartPtr<OdGiContextForDbDatabase>;
