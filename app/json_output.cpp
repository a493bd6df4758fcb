#include "app/json_output.h"

#include <istream>
#include <iterator>
#include <ostream>

#include "platform/sdk/OdString.h"

namespace cadtext {

std::string utf8(const std::u16string& text) { return odUtf16ToUtf8(text); }

void print_json(std::ostream& out, const json& value) {
  out << value.dump(-1, ' ', false, json::error_handler_t::replace) << '\n';
}

std::string read_content_argument(const std::string& argument, std::istream& in) {
  if (argument != "-") return argument;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace cadtext
