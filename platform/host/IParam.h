// IParam: one node of the host's parameter tree, read-only, with named
// child nodes and string values by key (all names and values UTF-8).
#pragma once

#include <string>
#include <vector>

class IParam {
public:
  virtual ~IParam() = default;

  // The names of the child nodes, in the host's order.
  virtual std::vector<std::string> childNames() const = 0;
  // The child node of that name, or null when there is none.
  virtual const IParam* child(const std::string& name) const = 0;
  // The string value under key, or fallback when the node has none.
  virtual std::string value(const std::string& key, const std::string& fallback) const = 0;
};
