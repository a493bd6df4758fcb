// The command bracket as a scope.
#include "platform/host/IHostAppServices.h"

host_command_bracket::host_command_bracket(IHostAppServices* services, const OdString& name) {
  if (services && services->commandBracketNeeded()) {
    services->openCommandBracket(name);
    m_services = services;
  }
}

host_command_bracket::~host_command_bracket() {
  if (m_services) m_services->closeCommandBracket();
}
