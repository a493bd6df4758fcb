// printf-style formatting of wide text from typed arguments.
#include "platform/host/host_printf.h"

#include <cstdio>

#include "platform/host/IHostAppServices.h"
#include "platform/host/HostModule.h"

namespace {

const char16_t* const bad_argument = u"(?)";

struct conversion {
  std::string flags;
  std::string width;
  std::string precision;  // with its '.', or empty
  char16_t kind = 0;
};

bool is_flag(char16_t c) { return c == u'-' || c == u'0' || c == u'+' || c == u' ' || c == u'#'; }
bool is_digit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads flags, width, precision, length modifiers and the conversion
// character after a '%' at `pos`; `pos` ends past it.
conversion read_conversion(std::u16string_view format, std::size_t& pos) {
  conversion conv;
  while (pos < format.size() && is_flag(format[pos])) conv.flags += char(format[pos++]);
  // Widths and precisions beyond three digits are cut: no line is that wide.
  auto read_number = [&](std::string& into) {
    for (std::size_t digits = 0; pos < format.size() && is_digit(format[pos]); ++pos, ++digits)
      if (digits < 3) into += char(format[pos]);
  };
  read_number(conv.width);
  if (pos < format.size() && format[pos] == u'.') {
    conv.precision += char(format[pos++]);
    read_number(conv.precision);
  }
  // Length modifiers say nothing here: arguments carry their own type.
  while (pos < format.size() && (format[pos] == u'l' || format[pos] == u'h' || format[pos] == u'z'))
    ++pos;
  if (pos < format.size()) conv.kind = format[pos++];
  return conv;
}

std::u16string from_ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

std::string c_format(const conversion& conv, const char* length, char kind) {
  return "%" + conv.flags + conv.width + conv.precision + length + kind;
}

std::u16string format_integer(const conversion& conv, const host_format_arg& arg) {
  char buffer[1100];  // widths reach 999
  const char kind = char(conv.kind == u'i' ? u'd' : conv.kind);
  if (const auto* value = std::get_if<std::int64_t>(&arg)) {
    std::snprintf(buffer, sizeof buffer, c_format(conv, "ll", kind).c_str(), static_cast<long long>(*value));
  } else if (const auto* value = std::get_if<std::uint64_t>(&arg)) {
    std::snprintf(buffer, sizeof buffer, c_format(conv, "ll", kind).c_str(),
                  static_cast<unsigned long long>(*value));
  } else {
    return bad_argument;
  }
  return from_ascii(buffer);
}

std::u16string format_real(const conversion& conv, const host_format_arg& arg) {
  double value = 0.0;
  if (const auto* real = std::get_if<double>(&arg)) value = *real;
  else if (const auto* whole = std::get_if<std::int64_t>(&arg)) value = double(*whole);
  else if (const auto* unsigned_whole = std::get_if<std::uint64_t>(&arg)) value = double(*unsigned_whole);
  else return bad_argument;
  char buffer[1400];  // widths and precisions reach 999
  std::snprintf(buffer, sizeof buffer, c_format(conv, "", char(conv.kind)).c_str(), value);
  return from_ascii(buffer);
}

// Strings pad to the width and cut at the precision, counted in UTF-16 units.
std::u16string format_string(const conversion& conv, const host_format_arg& arg) {
  std::u16string text;
  if (const auto* wide = std::get_if<std::u16string_view>(&arg)) text = *wide;
  else if (const auto* narrow = std::get_if<std::string_view>(&arg)) text = OdString::fromUtf8(*narrow).str();
  else return bad_argument;
  if (conv.precision.size() > 1) text = text.substr(0, std::stoul(conv.precision.substr(1)));
  else if (conv.precision == ".") text.clear();
  const std::size_t width = conv.width.empty() ? 0 : std::stoul(conv.width);
  if (text.size() < width) {
    const std::u16string pad(width - text.size(), u' ');
    text = conv.flags.find('-') != std::string::npos ? text + pad : pad + text;
  }
  return text;
}

std::u16string format_char(const host_format_arg& arg) {
  if (const auto* value = std::get_if<std::uint64_t>(&arg)) return std::u16string(1, char16_t(*value));
  if (const auto* value = std::get_if<std::int64_t>(&arg)) return std::u16string(1, char16_t(*value));
  return bad_argument;
}

std::u16string format_one(const conversion& conv, const host_format_arg* arg) {
  if (!arg) return bad_argument;
  switch (conv.kind) {
    case u'd': case u'i': case u'u': case u'x': case u'X': case u'o': return format_integer(conv, *arg);
    case u'f': case u'F': case u'e': case u'E': case u'g': case u'G': return format_real(conv, *arg);
    case u's': case u'S': return format_string(conv, *arg);
    case u'c': case u'C': return format_char(*arg);
    default: return bad_argument;
  }
}

}  // namespace

OdString hostFormatArgs(std::u16string_view format, const std::vector<host_format_arg>& args) {
  std::u16string out;
  std::size_t next_arg = 0;
  for (std::size_t pos = 0; pos < format.size();) {
    const char16_t c = format[pos++];
    if (c != u'%') {
      out += c;
      continue;
    }
    if (pos < format.size() && format[pos] == u'%') {
      out += u'%';
      ++pos;
      continue;
    }
    const conversion conv = read_conversion(format, pos);
    const host_format_arg* arg = next_arg < args.size() ? &args[next_arg] : nullptr;
    ++next_arg;
    out += format_one(conv, arg);
  }
  return OdString(std::move(out));
}

void hostPrintText(const OdString& text) {
  if (IHostAppServices* services = hostAppServices()) services->printMessage(text);
}
