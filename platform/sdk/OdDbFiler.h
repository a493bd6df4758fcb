// The filers an object writes its own fields to and reads them back from:
// a DWG filer (values in order, no codes) and a DXF filer (group-code/value
// tags). Both keep their data in memory; a drawing file is made from them
// by whoever owns the file.
#pragma once

#include <cstddef>
#include <variant>
#include <vector>

#include "platform/sdk/OdDxfTag.h"
#include "platform/sdk/OdError.h"
#include "platform/sdk/OdString.h"

class OdDbDwgFiler {
public:
  void wrString(const OdString& value) { m_values.emplace_back(value); }
  void wrDouble(double value) { m_values.emplace_back(value); }
  // Reads the next value; a value of the other kind, or none, raises eInvalidInput.
  OdString rdString();
  double rdDouble();

  void rewind() { m_next = 0; }

private:
  std::vector<std::variant<OdString, double>> m_values;
  std::size_t m_next = 0;
};

class OdDbDxfFiler {
public:
  OdDbDxfFiler() = default;
  explicit OdDbDxfFiler(OdDxfTags tags) : m_tags(std::move(tags)) {}

  void wrSubclassMarker(const OdString& name) { wrString(100, name); }
  void wrString(int code, const OdString& value);
  void wrDouble(int code, double value);

  // Reads the next tag; false at the end.
  bool nextItem(OdDxfTag& tag);
  OdString stringValue(const OdDxfTag& tag) const;
  // A number that does not parse raises eInvalidInput.
  double doubleValue(const OdDxfTag& tag) const;

  const OdDxfTags& tags() const { return m_tags; }
  void rewind() { m_next = 0; }

private:
  OdDxfTags m_tags;
  std::size_t m_next = 0;
};
