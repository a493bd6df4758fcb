// CHostVariant: a small value of the host's profile — empty, a whole
// number, a real number or a string.
#pragma once

#include <cstdint>
#include <variant>

#include "platform/sdk/OdString.h"

class CHostVariant {
public:
  CHostVariant() = default;
  CHostVariant(int value) : m_value(std::int32_t(value)) {}
  CHostVariant(double value) : m_value(value) {}
  CHostVariant(const OdString& value) : m_value(value) {}
  CHostVariant(const char16_t* value) : m_value(OdString(value)) {}

  bool isEmpty() const { return std::holds_alternative<std::monostate>(m_value); }
  bool isInt() const { return std::holds_alternative<std::int32_t>(m_value); }
  bool isDouble() const { return std::holds_alternative<double>(m_value); }
  bool isString() const { return std::holds_alternative<OdString>(m_value); }

  // Numbers convert to each other (reals round to the nearest whole number);
  // a string or an empty value gives `fallback`.
  int asInt(int fallback = 0) const;
  double asDouble(double fallback = 0.0) const;
  // Numbers in their shortest decimal form; empty gives "".
  OdString asString() const;

  friend bool operator==(const CHostVariant&, const CHostVariant&) = default;

private:
  std::variant<std::monostate, std::int32_t, double, OdString> m_value;
};
