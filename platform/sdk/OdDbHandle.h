// OdDbHandle: the 64-bit handle that names an object for life in its drawing file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/sdk/OdString.h"

class OdDbHandle {
public:
  constexpr OdDbHandle() = default;
  constexpr OdDbHandle(std::uint64_t value) : m_value(value) {}
  // Reads the hexadecimal form drawing files use; anything that is not hex
  // digits (or longer than 16 of them) gives the null handle.
  explicit OdDbHandle(const OdString& hex) {
    const std::string text = hex.toUtf8();
    if (text.empty() || text.size() > 16) return;
    std::uint64_t value = 0;
    for (char c : text) {
      int digit = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                  : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : -1;
      if (digit < 0) return;
      value = (value << 4) | static_cast<std::uint64_t>(digit);
    }
    m_value = value;
  }

  constexpr bool isNull() const { return m_value == 0; }
  constexpr operator std::uint64_t() const { return m_value; }
  // Upper-case hexadecimal without leading zeros, as DXF group 5 writes it.
  OdString ascii() const {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(m_value));
    return OdString::fromUtf8(buffer);
  }
  OdDbHandle& operator++() { ++m_value; return *this; }

private:
  std::uint64_t m_value = 0;
};
