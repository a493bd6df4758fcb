// JSON for the command line's reports, through nlohmann-json: ordered
// objects keep the fields in the order the README lists them.
#pragma once

#include <iosfwd>
#include <string>

#include <nlohmann/json.hpp>

namespace cadtext {

using json = nlohmann::ordered_json;

// UTF-16 text as the UTF-8 JSON strings hold.
std::string utf8(const std::u16string& text);

// The value on one line (no spaces), then a line end; infinities and NaN
// come out as null, which is all JSON has for them.
void print_json(std::ostream& out, const json& value);

// The whole input of a command: the argument, or standard input for "-".
std::string read_content_argument(const std::string& argument, std::istream& in);

}  // namespace cadtext
