// The process-wide command table and the host's "new_ICmdFactory" export.
#include "platform/host/HostCmdRegistry.h"

#include <algorithm>

HostCmdRegistry& HostCmdRegistry::instance() {
  static HostCmdRegistry registry;
  return registry;
}

bool HostCmdRegistry::QueryInterface(const std::type_info& type, void** out) {
  if (!out) return false;
  *out = nullptr;
  if (type == typeid(ICmdFactory)) *out = static_cast<ICmdFactory*>(this);
  else if (type == typeid(IHostUnknown)) *out = static_cast<IHostUnknown*>(this);
  return *out != nullptr;
}

int HostCmdRegistry::Register(const OdString& name, host_command_creator creator,
                              const OdString& group, int flags) {
  if (name.isEmpty() || !creator) return 0;
  auto same = [&](const host_command_entry& entry) { return entry.name.iCompare(name) == 0; };
  if (std::any_of(m_entries.begin(), m_entries.end(), same)) return 0;
  m_entries.push_back({name, group, flags, creator});
  return 1;
}

int HostCmdRegistry::Register(const OdString& name, host_command_creator creator) {
  return Register(name, creator, u"HOST", 0);
}

const host_command_entry* HostCmdRegistry::find(const OdString& name) const {
  auto lookup = [&](const OdString& wanted) -> const host_command_entry* {
    for (const host_command_entry& entry : m_entries)
      if (entry.name.iCompare(wanted) == 0) return &entry;
    return nullptr;
  };
  if (const host_command_entry* entry = lookup(name)) return entry;
  // "_name" asks for the global (untranslated) name, "-name" for the
  // command-line form; both fall back to the plain name.
  if (name.getLength() > 1 && (name[0] == u'_' || name[0] == u'-')) return find(name.mid(1));
  return nullptr;
}

bool HostCmdRegistry::unregister(const OdString& name) {
  auto it = std::find_if(m_entries.begin(), m_entries.end(),
                         [&](const host_command_entry& entry) { return entry.name.iCompare(name) == 0; });
  if (it == m_entries.end()) return false;
  m_entries.erase(it);
  return true;
}

extern "C" int new_ICmdFactory(ICmdFactory** out) {
  if (!out) return 0;
  *out = &HostCmdRegistry::instance();
  (*out)->AddRef();
  return 1;
}
