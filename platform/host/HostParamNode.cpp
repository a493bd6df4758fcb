#include "platform/host/HostParamNode.h"

HostParamNode::HostParamNode(const HostParamNode& other) : m_values(other.m_values) {
  m_children.reserve(other.m_children.size());
  for (const auto& [name, node] : other.m_children)
    m_children.emplace_back(name, std::make_unique<HostParamNode>(*node));
}

HostParamNode& HostParamNode::operator=(const HostParamNode& other) {
  if (this != &other) *this = HostParamNode(other);
  return *this;
}

std::vector<std::string> HostParamNode::childNames() const {
  std::vector<std::string> names;
  names.reserve(m_children.size());
  for (const auto& entry : m_children) names.push_back(entry.first);
  return names;
}

const IParam* HostParamNode::child(const std::string& name) const {
  return findChild(name);
}

std::string HostParamNode::value(const std::string& key, const std::string& fallback) const {
  auto found = m_values.find(key);
  return found == m_values.end() ? fallback : found->second;
}

HostParamNode& HostParamNode::addChild(const std::string& name) {
  if (HostParamNode* existing = findChild(name)) return *existing;
  m_children.emplace_back(name, std::make_unique<HostParamNode>());
  return *m_children.back().second;
}

void HostParamNode::setValue(const std::string& key, const std::string& value) {
  m_values[key] = value;
}

HostParamNode* HostParamNode::findChild(const std::string& name) {
  for (auto& [childName, node] : m_children)
    if (childName == name) return node.get();
  return nullptr;
}

const HostParamNode* HostParamNode::findChild(const std::string& name) const {
  for (const auto& [childName, node] : m_children)
    if (childName == name) return node.get();
  return nullptr;
}
