#include "platform/host/HostParamJson.h"

#include <fstream>
#include <stdexcept>
#include <vector>

#include <nlohmann/json.hpp>

namespace {

using json = nlohmann::json;

[[noreturn]] void fail(const std::string& source, const std::string& what) {
  throw std::runtime_error("parameter file '" + source + "': " + what);
}

// Builds the tree while the JSON is read, so an object named twice merges
// into one node (addChild finds the first) and numbers keep their text.
class tree_builder : public nlohmann::json_sax<json> {
public:
  explicit tree_builder(const std::string& source) : m_source(source) {}
  HostParamNode tree;

  bool null() override { return value(""); }
  bool boolean(bool flag) override { return value(flag ? "true" : "false"); }
  bool number_integer(number_integer_t number) override { return value(std::to_string(number)); }
  bool number_unsigned(number_unsigned_t number) override { return value(std::to_string(number)); }
  bool number_float(number_float_t, const string_t& text) override { return value(text); }
  bool string(string_t& text) override { return value(text); }
  bool binary(binary_t&) override { return value(""); }
  bool key(string_t& name) override {
    m_key = name;
    return true;
  }
  bool start_object(std::size_t) override {
    if (m_nodes.empty()) {
      m_nodes.push_back(&tree);
      m_paths.emplace_back();
    } else {
      m_nodes.push_back(&m_nodes.back()->addChild(m_key));
      m_paths.push_back(member_path());
    }
    return true;
  }
  bool end_object() override {
    m_nodes.pop_back();
    m_paths.pop_back();
    return true;
  }
  bool start_array(std::size_t) override {
    if (m_nodes.empty()) fail(m_source, "the top-level value is not an object");
    fail(m_source, "arrays are not supported (at '" + member_path() + "')");
  }
  bool end_array() override { return true; }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) override {
    fail(m_source, error.what());
  }

private:
  bool value(const std::string& text) {
    if (m_nodes.empty()) fail(m_source, "the top-level value is not an object");
    m_nodes.back()->setValue(m_key, text);
    return true;
  }
  std::string member_path() const { return m_paths.back().empty() ? m_key : m_paths.back() + "." + m_key; }

  const std::string& m_source;
  std::vector<HostParamNode*> m_nodes;  // the open objects, innermost last
  std::vector<std::string> m_paths;     // their dotted paths
  std::string m_key;
};

}  // namespace

HostParamNode readParamTree(std::istream& json_text, const std::string& source) {
  tree_builder builder(source);
  json::sax_parse(json_text, &builder);
  return std::move(builder.tree);
}

HostParamNode loadParamTree(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("parameter file '" + path + "': cannot be opened");
  return readParamTree(file, path);
}
