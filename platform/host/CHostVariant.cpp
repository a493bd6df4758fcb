// Conversions of profile values.
#include "platform/host/CHostVariant.h"

#include <cmath>
#include <cstdio>

int CHostVariant::asInt(int fallback) const {
  if (isInt()) return std::get<std::int32_t>(m_value);
  if (isDouble()) {
    const double value = std::get<double>(m_value);
    if (!std::isfinite(value) || std::fabs(value) > 2147483647.0) return fallback;
    return static_cast<int>(std::lround(value));
  }
  return fallback;
}

double CHostVariant::asDouble(double fallback) const {
  if (isDouble()) return std::get<double>(m_value);
  if (isInt()) return std::get<std::int32_t>(m_value);
  return fallback;
}

OdString CHostVariant::asString() const {
  if (isString()) return std::get<OdString>(m_value);
  char buffer[32] = "";
  if (isInt()) std::snprintf(buffer, sizeof buffer, "%d", int(std::get<std::int32_t>(m_value)));
  if (isDouble()) std::snprintf(buffer, sizeof buffer, "%.17g", std::get<double>(m_value));
  return OdString::fromUtf8(buffer);
}
