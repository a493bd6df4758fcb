#include "mtext/letters_dictionary.h"

#include <sstream>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

#include "platform/host/IParam.h"
#include "platform/sdk/OdString.h"

namespace mtext::marks {

namespace {

// Malformed UTF-8 becomes U+FFFD rather than failing: a letter that cannot
// be read never matches a prefix, and the other alphabets stay usable.
std::u16string wide(const std::string& utf8) {
  return OdString::fromUtf8(utf8).str();
}

alphabet make_alphabet(const std::string& code, const std::string& name,
                       const std::string& lower, const std::string& upper) {
  return alphabet{wide(code), wide(name), wide(lower), wide(upper)};
}

}  // namespace

letters_dictionary letters_dictionary::from_json(const std::string& json) {
  boost::property_tree::ptree root;
  std::istringstream text(json);
  boost::property_tree::read_json(text, root);

  letters_dictionary dictionary;
  for (const auto& [code, entry] : root) {
    // get<> without a default throws the tree's "No such node" error.
    const auto upper = entry.get<std::string>("upper");
    const auto lower = entry.get<std::string>("lower");
    const auto name = entry.get<std::string>("name");
    dictionary.alphabets.push_back(make_alphabet(code, name, lower, upper));
  }
  return dictionary;
}

letters_dictionary letters_dictionary::from_iparam(const IParam* node) {
  letters_dictionary dictionary;
  if (!node) return dictionary;
  for (const std::string& code : node->childNames()) {
    // A child listed but not openable has no values: its alphabet is empty
    // but keeps its place, since list items store alphabets by index.
    const IParam* entry = node->child(code);
    auto read = [entry](const char* key) { return entry ? entry->value(key, "") : std::string(); };
    dictionary.alphabets.push_back(make_alphabet(code, read("name"), read("lower"), read("upper")));
  }
  return dictionary;
}

letters_dictionary letters_dictionary::english() {
  return letters_dictionary{{alphabet{u"eng", u"English", u"abcdefghijklmnopqrstuvwxyz",
                                      u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"}}};
}

}  // namespace mtext::marks
