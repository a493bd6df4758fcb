// host_memory_profile: a profile kept in memory for the life of a host
// (the scripted host's; the desktop host keeps its own on disk).
#pragma once

#include <map>

#include "platform/host/IProfile.h"

class host_memory_profile : public IProfile {
public:
  bool openSection(const OdString& section, bool create = true) override;
  CHostVariant getValue(const OdString& name) override;
  bool setValue(const OdString& name, const CHostVariant& value) override;
  std::vector<OdString> valueNames() override;

  bool hasSection(const OdString& section) const { return m_sections.count(section) != 0; }

private:
  // Section and value names compare as given; the module uses fixed names.
  std::map<OdString, std::map<OdString, CHostVariant>> m_sections;
  std::map<OdString, CHostVariant>* m_open = nullptr;
};
