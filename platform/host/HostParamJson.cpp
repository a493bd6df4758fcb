#include "platform/host/HostParamJson.h"

#include <fstream>
#include <stdexcept>

#include <boost/property_tree/json_parser.hpp>
#include <boost/property_tree/ptree.hpp>

namespace {

using boost::property_tree::ptree;

[[noreturn]] void fail(const std::string& source, const std::string& what) {
  throw std::runtime_error("parameter file '" + source + "': " + what);
}

// A member with children is a node; one without is a value. Array
// elements have empty keys, which is how they are told apart.
void copy_members(const ptree& from, HostParamNode& to, const std::string& source,
                  const std::string& path) {
  for (const auto& [key, member] : from) {
    if (key.empty()) fail(source, "arrays are not supported (at '" + path + "')");
    const std::string memberPath = path.empty() ? key : path + "." + key;
    if (member.empty())
      to.setValue(key, member.data());
    else
      copy_members(member, to.addChild(key), source, memberPath);
  }
}

}  // namespace

HostParamNode readParamTree(std::istream& json, const std::string& source) {
  ptree root;
  try {
    boost::property_tree::read_json(json, root);
  } catch (const boost::property_tree::json_parser_error& error) {
    fail(source, error.message() + " at line " + std::to_string(error.line()));
  }
  if (root.empty() && !root.data().empty()) fail(source, "the top-level value is not an object");
  HostParamNode tree;
  copy_members(root, tree, source, "");
  return tree;
}

HostParamNode loadParamTree(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("parameter file '" + path + "': cannot be opened");
  return readParamTree(file, path);
}
