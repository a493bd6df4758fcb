// Reference counting, context and result of command objects.
#include "platform/host/HostCmdProcessBase.h"

#include <exception>

#include "platform/host/host_printf.h"

HostCmdProcessBase::~HostCmdProcessBase() {
  if (m_context) m_context->Release();
}

long HostCmdProcessBase::Release() {
  const long left = --m_refs;
  if (left == 0) delete this;
  return left;
}

bool HostCmdProcessBase::QueryInterface(const std::type_info& type, void** out) {
  if (!out) return false;
  *out = nullptr;
  if (type == typeid(ICmdProcess)) *out = static_cast<ICmdProcess*>(this);
  else if (type == typeid(IHostUnknown)) *out = static_cast<IHostUnknown*>(this);
  else return false;
  AddRef();
  return true;
}

int HostCmdProcessBase::Run() {
  try {
    m_result = execute();
  } catch (const std::exception& error) {
    // A command must not take the host down; the user sees why it stopped.
    hostPrintf(u"Command failed: %s", error.what());
    m_result = kCmdCancelled;
  }
  return m_result;
}

IHostUnknown* HostCmdProcessBase::GetContext() {
  if (m_context) m_context->AddRef();
  return m_context;
}

void HostCmdProcessBase::SetContext(IHostUnknown* context) {
  if (context) context->AddRef();
  if (m_context) m_context->Release();
  m_context = context;
}

void HostCmdProcessBase::Destroy() {
  SetContext(nullptr);
}
