// OdResBuf: one typed value (a header variable) tagged with its DXF group code.
#pragma once

#include <cstdint>
#include <variant>

#include "platform/sdk/OdDbObjectId.h"
#include "platform/sdk/OdError.h"
#include "platform/sdk/OdGePoint3d.h"
#include "platform/sdk/OdString.h"

class OdResBuf {
public:
  // Group codes of the kinds a header variable takes.
  enum ValueType : int {
    kRtNone = 5000,
    kDxfText = 1,
    kDxfTextStyleName = 7,
    kDxfXCoord = 10,
    kDxfReal = 40,
    kDxfInt16 = 70,
    kDxfInt32 = 90,
  };

  OdResBuf() = default;
  static OdResBuf real(double value) { return OdResBuf(kDxfReal, value); }
  static OdResBuf int16(std::int16_t value) { return OdResBuf(kDxfInt16, value); }
  static OdResBuf int32(std::int32_t value) { return OdResBuf(kDxfInt32, value); }
  static OdResBuf string(const OdString& value, int restype = kDxfText) { return OdResBuf(restype, value); }
  static OdResBuf point(const OdGePoint3d& value) { return OdResBuf(kDxfXCoord, value); }

  int restype() const { return m_restype; }
  bool isReal() const { return std::holds_alternative<double>(m_value); }
  bool isInt16() const { return std::holds_alternative<std::int16_t>(m_value); }
  bool isInt32() const { return std::holds_alternative<std::int32_t>(m_value); }
  bool isString() const { return std::holds_alternative<OdString>(m_value); }
  bool isPoint() const { return std::holds_alternative<OdGePoint3d>(m_value); }

  // Reading a value of another kind throws eInvalidInput; integers widen to
  // each other and to double.
  double getDouble() const {
    if (isReal()) return std::get<double>(m_value);
    if (isInt16() || isInt32()) return getInt32();
    throw OdError(eInvalidInput, "OdResBuf: not a number");
  }
  std::int32_t getInt32() const {
    if (isInt16()) return std::get<std::int16_t>(m_value);
    if (isInt32()) return std::get<std::int32_t>(m_value);
    throw OdError(eInvalidInput, "OdResBuf: not an integer");
  }
  std::int16_t getInt16() const { return static_cast<std::int16_t>(getInt32()); }
  const OdString& getString() const {
    if (!isString()) throw OdError(eInvalidInput, "OdResBuf: not a string");
    return std::get<OdString>(m_value);
  }
  const OdGePoint3d& getPoint3d() const {
    if (!isPoint()) throw OdError(eInvalidInput, "OdResBuf: not a point");
    return std::get<OdGePoint3d>(m_value);
  }

private:
  using value_type = std::variant<std::monostate, double, std::int16_t, std::int32_t, OdString, OdGePoint3d>;
  OdResBuf(int restype, value_type value) : m_restype(restype), m_value(std::move(value)) {}

  int m_restype = kRtNone;
  value_type m_value;
};
