// Runtime classes, reference-counted objects and the class dictionary.
//
// Every class of the drawing layer derives from OdRxObject, declares its
// runtime class with ODRX_DECLARE_MEMBERS and is made concrete (given a
// reference count) by OdRxObjectImpl. Casts between smart pointers of
// unrelated classes throw OdError_NotThatKindOfClass.
#pragma once

#include <functional>

#include "platform/sdk/OdError.h"
#include "platform/sdk/OdSmartPtr.h"
#include "platform/sdk/OdString.h"

class OdRxClass;
class OdRxObject;
struct OdRxCustomClassInfo;
using OdRxObjectPtr = OdSmartPtr<OdRxObject>;
using OdRxClassPtr = OdSmartPtr<OdRxClass>;

class OdRxObject {
public:
  virtual ~OdRxObject() = default;

  virtual void addRef() = 0;
  virtual void release() = 0;
  virtual long numRefs() const = 0;

  static OdRxClass* desc();
  virtual OdRxClass* isA() const;
  bool isKindOf(const OdRxClass* cls) const;

  static OdRxObjectPtr cast(const OdRxObject* object) { return OdRxObjectPtr(const_cast<OdRxObject*>(object)); }

protected:
  OdRxObject() = default;
  OdRxObject(const OdRxObject&) = default;
  OdRxObject& operator=(const OdRxObject&) = default;
};

// Gives T a reference count that starts at one; the last release deletes it.
template <class T>
class OdRxObjectImpl : public T {
public:
  template <class... Args>
  explicit OdRxObjectImpl(Args&&... args) : T(std::forward<Args>(args)...) {}

  template <class... Args>
  static OdSmartPtr<T> createObject(Args&&... args) {
    return OdSmartPtr<T>(new OdRxObjectImpl<T>(std::forward<Args>(args)...), kOdRxObjAttach);
  }

  void addRef() override { ++m_refs; }
  void release() override {
    if (--m_refs == 0) delete this;
  }
  long numRefs() const override { return m_refs; }

private:
  long m_refs = 1;
};

// Objects with static lifetime (class descriptors) ignore reference counting.
template <class T>
class OdStaticRxObject : public T {
public:
  template <class... Args>
  explicit OdStaticRxObject(Args&&... args) : T(std::forward<Args>(args)...) {}
  void addRef() override {}
  void release() override {}
  long numRefs() const override { return 1; }
};

using OdPseudoConstructor = OdRxObjectPtr (*)();

// The runtime description of a class: its name, parent and constructor.
class OdRxClass : public OdRxObject {
public:
  OdRxClass(OdString name, OdRxClass* parent, OdPseudoConstructor constructor, OdString dxfName)
      : m_name(std::move(name)), m_parent(parent), m_constructor(constructor),
        m_dxfName(std::move(dxfName)) {}

  static OdRxClass* desc();
  OdRxClass* isA() const override;

  const OdString& name() const { return m_name; }
  const OdString& dxfName() const { return m_dxfName; }
  OdRxClass* myParent() const { return m_parent; }
  bool isDerivedFrom(const OdRxClass* other) const;
  // Null for abstract classes.
  OdRxObjectPtr create() const { return m_constructor ? m_constructor() : OdRxObjectPtr(); }

  // What a drawing file records about a custom class; empty for built-in ones.
  const OdString& appName() const { return m_appName; }
  int dwgVersion() const { return m_dwgVersion; }
  int maintenanceVersion() const { return m_maintenanceVersion; }
  int proxyFlags() const { return m_proxyFlags; }

private:
  friend OdResult odrxRegisterCustomClass(OdRxClass*, const OdRxCustomClassInfo&);
  OdString m_name;
  OdRxClass* m_parent;
  OdPseudoConstructor m_constructor;
  OdString m_dxfName;
  OdString m_appName;
  int m_dwgVersion = 0;
  int m_maintenanceVersion = 0;
  int m_proxyFlags = 0;
};

// The filing properties of a custom class.
struct OdRxCustomClassInfo {
  OdString appName;
  int dwgVersion = 0;
  int maintenanceVersion = 0;
  int proxyFlags = 0;
};

// The class dictionary. Registering a name twice answers eDuplicateClassName
// and leaves the first registration in place.
OdResult odrxRegisterClass(OdRxClass* cls);
bool odrxUnregisterClass(const OdString& name);
OdRxClass* odrxFindClass(const OdString& name);
OdRxObjectPtr odrxCreateObject(const OdString& className);
// Registers `cls` and, when that succeeds, gives it `info`; a duplicate
// answers eDuplicateClassName and changes nothing.
OdResult odrxRegisterCustomClass(OdRxClass* cls, const OdRxCustomClassInfo& info);

template <class T>
T* odCheckedCast(OdRxObject* object) {
  if (!object) return nullptr;
  if (!object->isKindOf(T::desc())) throw OdError_NotThatKindOfClass(object->isA(), T::desc());
  return static_cast<T*>(object);
}

// Declares the runtime-class members of Class.
#define ODRX_DECLARE_MEMBERS(Class)                                      \
public:                                                                  \
  static OdRxClass* desc();                                              \
  OdRxClass* isA() const override;                                       \
  static OdSmartPtr<Class> cast(const OdRxObject* object);               \
  static OdSmartPtr<Class> createObject();                               \
  static OdResult rxInit();                                              \
  static void rxUninit()

#define ODRX_DEFINE_RTTI_MEMBERS(Class, Parent, Name, DxfName, Constructor)              \
  OdRxClass* Class::desc() {                                                             \
    static OdStaticRxObject<OdRxClass> cls(OdString(Name), Parent::desc(), Constructor,  \
                                           OdString(DxfName));                           \
    return &cls;                                                                         \
  }                                                                                      \
  OdRxClass* Class::isA() const { return desc(); }                                       \
  OdSmartPtr<Class> Class::cast(const OdRxObject* object) {                              \
    return OdSmartPtr<Class>(odCheckedCast<Class>(const_cast<OdRxObject*>(object)));     \
  }                                                                                      \
  OdResult Class::rxInit() { return odrxRegisterClass(desc()); }                         \
  void Class::rxUninit() { odrxUnregisterClass(desc()->name()); }

// A concrete class: createObject makes a new instance.
#define ODRX_CONS_DEFINE_MEMBERS(Class, Parent, DxfName)                                 \
  OdSmartPtr<Class> Class::createObject() { return OdRxObjectImpl<Class>::createObject(); } \
  static OdRxObjectPtr Class##_pseudoConstructor() { return Class::createObject(); }     \
  ODRX_DEFINE_RTTI_MEMBERS(Class, Parent, OdString::fromUtf8(#Class), DxfName, Class##_pseudoConstructor)

// A concrete class whose runtime name is not its bare C++ name: a class
// defined inside a namespace is named with its namespace ("ns::Class").
#define ODRX_CONS_DEFINE_MEMBERS_ALTNAME(Class, Parent, Name)                             \
  OdSmartPtr<Class> Class::createObject() { return OdRxObjectImpl<Class>::createObject(); } \
  static OdRxObjectPtr Class##_pseudoConstructor() { return Class::createObject(); }     \
  ODRX_DEFINE_RTTI_MEMBERS(Class, Parent, OdString(Name), u"", Class##_pseudoConstructor)

// An abstract class: createObject throws.
#define ODRX_NO_CONS_DEFINE_MEMBERS(Class, Parent)                                       \
  OdSmartPtr<Class> Class::createObject() { throw OdError(eNotImplemented); }            \
  ODRX_DEFINE_RTTI_MEMBERS(Class, Parent, OdString::fromUtf8(#Class), u"", nullptr)
