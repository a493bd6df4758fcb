// HostParamNode: a parameter tree kept in memory, built by the host (or a
// test) one child and one value at a time.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/IParam.h"

class HostParamNode : public IParam {
public:
  HostParamNode() = default;
  HostParamNode(const HostParamNode& other);
  HostParamNode& operator=(const HostParamNode& other);
  HostParamNode(HostParamNode&&) noexcept = default;
  HostParamNode& operator=(HostParamNode&&) noexcept = default;

  std::vector<std::string> childNames() const override;
  const IParam* child(const std::string& name) const override;
  std::string value(const std::string& key, const std::string& fallback) const override;

  // The child of that name, appended after the existing children when new;
  // a name already present returns that child, so names stay unique.
  HostParamNode& addChild(const std::string& name);
  // Sets (or replaces) the value under key.
  void setValue(const std::string& key, const std::string& value);

  HostParamNode* findChild(const std::string& name);
  const HostParamNode* findChild(const std::string& name) const;
  bool hasValue(const std::string& key) const { return m_values.count(key) != 0; }

private:
  // Children own their subtrees; a vector keeps insertion order.
  std::vector<std::pair<std::string, std::unique_ptr<HostParamNode>>> m_children;
  std::map<std::string, std::string> m_values;
};
