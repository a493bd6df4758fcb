#include "platform/sdk/OdCmTransparency.h"

#include <algorithm>
#include <cmath>

OdCmTransparency::transparencyMethod OdCmTransparency::method() const {
  const std::uint32_t byte = m_value >> 24;
  return byte <= kByAlpha ? static_cast<transparencyMethod>(byte) : kErrorValue;
}

void OdCmTransparency::setMethod(transparencyMethod method) {
  if (method == kByAlpha) setAlpha(alpha());
  else m_value = std::uint32_t{method} << 24;
}

void OdCmTransparency::setAlphaPercent(double fraction) {
  const double clamped = std::isnan(fraction) ? 1.0 : std::clamp(fraction, 0.0, 1.0);
  // The small epsilon keeps products that are whole numbers in exact
  // arithmetic (0.2 * 255 = 51) from truncating one below.
  setAlpha(static_cast<std::uint8_t>(std::floor(clamped * 255.0 + 1e-9)));
}
