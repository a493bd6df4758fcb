#include "platform/sdk/OdRxObject.h"

#include <map>

namespace {

std::map<OdString, OdRxClass*>& class_dictionary() {
  static std::map<OdString, OdRxClass*> dictionary;
  return dictionary;
}

}  // namespace

OdRxClass* OdRxObject::desc() {
  static OdStaticRxObject<OdRxClass> cls(OdString(u"OdRxObject"), nullptr, nullptr, OdString());
  return &cls;
}

OdRxClass* OdRxObject::isA() const { return desc(); }

bool OdRxObject::isKindOf(const OdRxClass* cls) const {
  const OdRxClass* mine = isA();
  return mine && mine->isDerivedFrom(cls);
}

OdRxClass* OdRxClass::desc() {
  static OdStaticRxObject<OdRxClass> cls(OdString(u"OdRxClass"), OdRxObject::desc(), nullptr,
                                         OdString());
  return &cls;
}

OdRxClass* OdRxClass::isA() const { return desc(); }

bool OdRxClass::isDerivedFrom(const OdRxClass* other) const {
  for (const OdRxClass* cls = this; cls; cls = cls->myParent())
    if (cls == other) return true;
  return false;
}

OdResult odrxRegisterClass(OdRxClass* cls) {
  if (!cls) return eNullObjectPointer;
  const auto [it, inserted] = class_dictionary().emplace(cls->name(), cls);
  return inserted ? eOk : eDuplicateClassName;
}

OdResult odrxRegisterCustomClass(OdRxClass* cls, const OdRxCustomClassInfo& info) {
  const OdResult result = odrxRegisterClass(cls);
  if (result != eOk) return result;
  cls->m_appName = info.appName;
  cls->m_dwgVersion = info.dwgVersion;
  cls->m_maintenanceVersion = info.maintenanceVersion;
  cls->m_proxyFlags = info.proxyFlags;
  return eOk;
}

bool odrxUnregisterClass(const OdString& name) { return class_dictionary().erase(name) > 0; }

OdRxClass* odrxFindClass(const OdString& name) {
  const auto it = class_dictionary().find(name);
  return it == class_dictionary().end() ? nullptr : it->second;
}

OdRxObjectPtr odrxCreateObject(const OdString& className) {
  const OdRxClass* cls = odrxFindClass(className);
  if (!cls) throw OdError(eKeyNotFound, "Class " + className.toUtf8() + " is not registered.");
  return cls->create();
}
