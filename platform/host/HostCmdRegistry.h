// HostCmdRegistry: the host's side of the command factory — the process-wide
// table of registered commands that hosts look names up in.
#pragma once

#include <vector>

#include "platform/host/ICmdFactory.h"

struct host_command_entry {
  OdString name;
  OdString group;
  int flags = 0;
  host_command_creator creator = nullptr;
};

class HostCmdRegistry final : public ICmdFactory {
public:
  // The one table of the process (static lifetime; counting is a no-op).
  static HostCmdRegistry& instance();

  long AddRef() override { return 1; }
  long Release() override { return 1; }
  bool QueryInterface(const std::type_info& type, void** out) override;
  int Register(const OdString& name, host_command_creator creator, const OdString& group,
               int flags) override;
  int Register(const OdString& name, host_command_creator creator) override;

  // The command of that name (letter case ignored; a leading '_' or '-' as
  // typed before global names is tried as given first, then without it), or
  // null.
  const host_command_entry* find(const OdString& name) const;
  const std::vector<host_command_entry>& entries() const { return m_entries; }
  // Forgets a command (tests that register their own).
  bool unregister(const OdString& name);

private:
  HostCmdRegistry() = default;
  std::vector<host_command_entry> m_entries;
};
