#include "platform/host/host_document.h"

long host_document::Release() {
  const long left = --m_refs;
  if (left == 0) delete this;
  return left;
}

bool host_document::QueryInterface(const std::type_info& type, void** out) {
  if (!out) return false;
  *out = nullptr;
  if (type == typeid(IHostDocument)) *out = static_cast<IHostDocument*>(this);
  else if (type == typeid(IHostUnknown)) *out = static_cast<IHostUnknown*>(this);
  else return false;
  AddRef();
  return true;
}
