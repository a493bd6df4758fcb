// Evaluation of the field kinds the layer knows: date, file name and object property.
#include <cstdio>
#include <ctime>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"

namespace {

const char* const month_names[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
const char* const day_names[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string number(int value, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
  return buffer;
}

// One date token: a run of the same letter.
std::string date_token(char letter, int count, const std::tm& t) {
  switch (letter) {
    case 'd':
      if (count >= 4) return day_names[t.tm_wday];
      if (count == 3) return std::string(day_names[t.tm_wday]).substr(0, 3);
      return number(t.tm_mday, count);
    case 'M':
      if (count >= 4) return month_names[t.tm_mon];
      if (count == 3) return std::string(month_names[t.tm_mon]).substr(0, 3);
      return number(t.tm_mon + 1, count);
    case 'y': return count <= 2 ? number(t.tm_year % 100, 2) : number(t.tm_year + 1900, 4);
    case 'H': return number(t.tm_hour, count);
    case 'h': return number(t.tm_hour % 12 == 0 ? 12 : t.tm_hour % 12, count);
    case 'm': return number(t.tm_min, count);
    case 's': return number(t.tm_sec, count);
    case 't': return t.tm_hour < 12 ? "AM" : "PM";
    default: return std::string(static_cast<size_t>(count), letter);
  }
}

std::string format_date(const std::string& format, const std::tm& t) {
  std::string out;
  for (size_t i = 0; i < format.size();) {
    const char c = format[i];
    size_t j = i;
    while (j < format.size() && format[j] == c) ++j;
    const bool token = c == 'd' || c == 'M' || c == 'y' || c == 'H' || c == 'h' || c == 'm' || c == 's' || c == 't';
    out += token ? date_token(c, static_cast<int>(j - i), t) : format.substr(i, j - i);
    i = j;
  }
  return out;
}

// The quoted text after \f, or empty.
std::string format_of(const std::string& code) {
  const size_t at = code.find("\\f \"");
  if (at == std::string::npos) return {};
  const size_t end = code.find('"', at + 4);
  return end == std::string::npos ? std::string() : code.substr(at + 4, end - at - 4);
}

bool starts_with(const std::string& text, const std::string& prefix) {
  return text.compare(0, prefix.size(), prefix) == 0;
}

std::optional<std::string> evaluate_date(const std::string& code) {
  std::string format = format_of(code);
  if (format.empty()) format = "M/d/yyyy";
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return format_date(format, t);
}

std::optional<std::string> evaluate_filename(const std::string& code, OdDbDatabase* db) {
  if (!db || db->getFilename().isEmpty()) return std::nullopt;
  const std::string path = db->getFilename().toUtf8();
  const size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::string format = format_of(code);
  if (format.find("%fn6") != std::string::npos) return path;
  if (format.find("%fn1") != std::string::npos) return name.substr(0, name.rfind('.'));
  return name;
}

std::string fixed(double value, int decimals) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

std::optional<std::string> object_property(const OdDbObject* object, const std::string& prop, int decimals) {
  if (const auto* text = dynamic_cast<const OdDbText*>(object)) {
    if (prop == "TextString") return text->textString().toUtf8();
    if (prop == "Height" || prop == "TextHeight") return fixed(text->height(), decimals);
  }
  if (const auto* mtext = dynamic_cast<const OdDbMText*>(object)) {
    if (prop == "Contents" || prop == "TextString") return mtext->contents().toUtf8();
    if (prop == "Height" || prop == "TextHeight") return fixed(mtext->textHeight(), decimals);
    if (prop == "Width") return fixed(mtext->width(), decimals);
  }
  if (const auto* entity = dynamic_cast<const OdDbEntity*>(object))
    if (prop == "Layer") return entity->layer().toUtf8();
  return std::nullopt;
}

// \AcObjProp Object(%<\_ObjId N>%).Prop, N the handle in decimal.
std::optional<std::string> evaluate_object_property(const std::string& code, OdDbDatabase* db) {
  const std::string head = "\\AcObjProp Object(%<\\_ObjId ";
  if (!db || !starts_with(code, head)) return std::nullopt;
  size_t pos = head.size();
  std::uint64_t handle = 0;
  const size_t digits = pos;
  while (pos < code.size() && code[pos] >= '0' && code[pos] <= '9') handle = handle * 10 + (code[pos++] - '0');
  if (pos == digits || code.compare(pos, 4, ">%).") != 0) return std::nullopt;
  pos += 4;
  size_t end = pos;
  while (end < code.size() && std::isalnum(static_cast<unsigned char>(code[end]))) ++end;
  const OdDbObjectId id = db->getOdDbObjectId(OdDbHandle(handle));
  if (id.isNull() || id.isErased()) return std::nullopt;
  return object_property(id.peekObject(), code.substr(pos, end - pos), db->getLUPREC());
}

}  // namespace

std::optional<OdString> odEvaluateFieldCode(const OdString& code, OdDbDatabase* database) {
  OdString trimmed = code;
  const std::string text = trimmed.trimLeft().trimRight().toUtf8();
  std::optional<std::string> value;
  if (starts_with(text, "\\AcVar Date") || starts_with(text, "\\AcVar date")) value = evaluate_date(text);
  else if (starts_with(text, "\\AcVar Filename") || starts_with(text, "\\AcVar filename"))
    value = evaluate_filename(text, database);
  else if (starts_with(text, "\\AcObjProp")) value = evaluate_object_property(text, database);
  if (!value) return std::nullopt;
  return OdString::fromUtf8(*value);
}
