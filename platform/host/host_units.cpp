// Decimal lengths and degree angles as text, and back.
#include "platform/host/host_units.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>

#include "platform/host/HostModule.h"
#include "platform/host/IHostAppServices.h"

namespace {

OdDbDatabase* database_or_current(OdDbDatabase* database) {
  if (database) return database;
  IHostAppServices* services = hostAppServices();
  return services ? services->currentDatabase() : nullptr;
}

// The precision asked for, else the drawing's variable, else the fallback.
int precision_for(int precision, OdDbDatabase* database, const char16_t* variable, int fallback) {
  if (precision < 0) {
    precision = fallback;
    database = database_or_current(database);
    if (database && database->hasSysVar(variable)) {
      try {
        precision = database->getSysVar(variable).getInt32();
      } catch (const OdError&) {
        // A variable of another kind (a malformed drawing) keeps the fallback.
      }
    }
  }
  return std::clamp(precision, 0, 8);
}

OdString fixed(double value, int precision) {
  if (!std::isfinite(value)) return u"####";
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", precision, value);
  std::string text = buffer;
  // "-0.00": a value that rounds to zero has no sign.
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return OdString::fromUtf8(text);
}

// Parses the whole of `text` (blanks around allowed) as a finite number.
bool parse_number(const std::string& text, double& value, std::size_t& used) {
  const char* begin = text.c_str();
  char* end = nullptr;
  errno = 0;
  const double parsed = std::strtod(begin, &end);
  if (end == begin || errno == ERANGE || !std::isfinite(parsed)) return false;
  used = static_cast<std::size_t>(end - begin);
  value = parsed;
  return true;
}

std::string trimmed(const OdString& text) {
  std::string s = text.toUtf8();
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// strtod also reads "inf", "nan" and hexadecimal; user input is decimal.
bool is_decimal_text(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789.+-eE") == std::string::npos;
}

}  // namespace

OdString hostdbRToS(double value, int precision, OdDbDatabase* database) {
  return fixed(value, precision_for(precision, database, u"LUPREC", 4));
}

OdString hostdbAngToS(double radians, int precision, OdDbDatabase* database) {
  return fixed(radians * 180.0 / std::numbers::pi, precision_for(precision, database, u"AUPREC", 0));
}

bool hostdbDisToF(const OdString& text, double& value) {
  const std::string s = trimmed(text);
  double parsed = 0.0;
  std::size_t used = 0;
  if (!is_decimal_text(s) || !parse_number(s, parsed, used) || used != s.size()) return false;
  value = parsed;
  return true;
}

bool hostdbAngToF(const OdString& text, double& radians) {
  std::string s = trimmed(text);
  if (!s.empty() && (s.back() == 'd' || s.back() == 'D')) s.pop_back();
  double degrees = 0.0;
  std::size_t used = 0;
  if (!is_decimal_text(s) || !parse_number(s, degrees, used) || used != s.size()) return false;
  radians = degrees * std::numbers::pi / 180.0;
  return true;
}
