// A small streaming JSON writer for the command line's reports.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace cadtext {

class json_writer {
public:
  explicit json_writer(std::ostream& out) : out_(out) {}

  json_writer& begin_object();
  json_writer& end_object();
  json_writer& begin_array();
  json_writer& end_array();
  json_writer& key(std::string_view name);

  json_writer& value(std::string_view text);
  json_writer& value(const std::u16string& text);
  json_writer& value(const char* text) { return value(std::string_view(text)); }
  json_writer& value(double number);
  json_writer& value(long long number);
  json_writer& value(unsigned long long number);
  json_writer& value(int number) { return value(static_cast<long long>(number)); }
  json_writer& value(unsigned number) { return value(static_cast<unsigned long long>(number)); }
  json_writer& value(bool flag);

  template <class T>
  json_writer& field(std::string_view name, const T& v) {
    key(name);
    return value(v);
  }

private:
  void separate();
  std::ostream& out_;
  std::vector<bool> first_;  // per open container: nothing written yet
  bool after_key_ = false;
};

// The whole input of a command: the argument, or standard input for "-".
std::string read_content_argument(const std::string& argument, std::istream& in);

}  // namespace cadtext
