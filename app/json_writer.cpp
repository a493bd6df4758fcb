#include "app/json_writer.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <iterator>

#include "platform/sdk/OdString.h"

namespace cadtext {

void json_writer::separate() {
  if (after_key_) {
    after_key_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ << ',';
    first_.back() = false;
  }
}

json_writer& json_writer::begin_object() {
  separate();
  out_ << '{';
  first_.push_back(true);
  return *this;
}

json_writer& json_writer::end_object() {
  out_ << '}';
  first_.pop_back();
  return *this;
}

json_writer& json_writer::begin_array() {
  separate();
  out_ << '[';
  first_.push_back(true);
  return *this;
}

json_writer& json_writer::end_array() {
  out_ << ']';
  first_.pop_back();
  return *this;
}

json_writer& json_writer::key(std::string_view name) {
  value(name);
  out_ << ':';
  after_key_ = true;
  return *this;
}

json_writer& json_writer::value(std::string_view text) {
  separate();
  out_ << '"';
  for (const char c : text) {
    switch (c) {
      case '"': out_ << "\\\""; break;
      case '\\': out_ << "\\\\"; break;
      case '\n': out_ << "\\n"; break;
      case '\r': out_ << "\\r"; break;
      case '\t': out_ << "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          static const char* hex = "0123456789abcdef";
          out_ << "\\u00" << hex[(c >> 4) & 0xF] << hex[c & 0xF];
        } else {
          out_ << c;
        }
    }
  }
  out_ << '"';
  return *this;
}

json_writer& json_writer::value(const std::u16string& text) {
  return value(std::string_view(odUtf16ToUtf8(text)));
}

json_writer& json_writer::value(double number) {
  separate();
  if (!std::isfinite(number)) {
    out_ << "null";  // JSON has no infinities
    return *this;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
  out_.write(buffer, result.ptr - buffer);
  return *this;
}

json_writer& json_writer::value(long long number) {
  separate();
  out_ << number;
  return *this;
}

json_writer& json_writer::value(unsigned long long number) {
  separate();
  out_ << number;
  return *this;
}

json_writer& json_writer::value(bool flag) {
  separate();
  out_ << (flag ? "true" : "false");
  return *this;
}

std::string read_content_argument(const std::string& argument, std::istream& in) {
  if (argument != "-") return argument;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace cadtext
