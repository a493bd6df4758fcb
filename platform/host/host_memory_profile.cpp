// The in-memory profile and the module's reads with defaults.
#include "platform/host/host_memory_profile.h"

bool host_memory_profile::openSection(const OdString& section, bool create) {
  auto it = m_sections.find(section);
  if (it == m_sections.end()) {
    if (!create) return false;
    it = m_sections.emplace(section, std::map<OdString, CHostVariant>{}).first;
  }
  m_open = &it->second;
  return true;
}

CHostVariant host_memory_profile::getValue(const OdString& name) {
  if (!m_open) return {};
  auto it = m_open->find(name);
  return it == m_open->end() ? CHostVariant() : it->second;
}

bool host_memory_profile::setValue(const OdString& name, const CHostVariant& value) {
  if (!m_open) return false;
  (*m_open)[name] = value;
  return true;
}

std::vector<OdString> host_memory_profile::valueNames() {
  std::vector<OdString> names;
  if (m_open)
    for (const auto& [name, value] : *m_open) names.push_back(name);
  return names;
}

CHostVariant hostProfileValue(IProfile* profile, const OdString& section, const OdString& name,
                              const CHostVariant& fallback) {
  if (!profile || !profile->openSection(section, true)) return fallback;
  CHostVariant value = profile->getValue(name);
  return value.isEmpty() ? fallback : value;
}
