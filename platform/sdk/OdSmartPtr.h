// OdSmartPtr: a counted pointer to an OdRxObject that casts with a runtime check.
#pragma once

#include <type_traits>
#include <utility>

#include "platform/sdk/OdError.h"

class OdRxObject;

// Tells a smart pointer to take over a reference instead of adding one.
enum OdRxObjMod { kOdRxObjAttach };

// Throws OdError_NotThatKindOfClass when `object` is not a T.
template <class T>
T* odCheckedCast(OdRxObject* object);

template <class T>
class OdSmartPtr {
public:
  OdSmartPtr() = default;
  OdSmartPtr(std::nullptr_t) {}
  OdSmartPtr(T* object) : m_obj(object) { addRef(); }
  OdSmartPtr(T* object, OdRxObjMod) : m_obj(object) {}
  OdSmartPtr(const OdSmartPtr& other) : m_obj(other.m_obj) { addRef(); }
  OdSmartPtr(OdSmartPtr&& other) noexcept : m_obj(std::exchange(other.m_obj, nullptr)) {}

  // Upcasts are free; anything else is checked at run time.
  template <class U>
  OdSmartPtr(const OdSmartPtr<U>& other) : m_obj(convert(other.get())) { addRef(); }
  template <class U, class = std::enable_if_t<!std::is_base_of_v<T, U>>>
  explicit OdSmartPtr(U* object) : m_obj(convert(object)) { addRef(); }

  ~OdSmartPtr() { release(); }

  OdSmartPtr& operator=(OdSmartPtr other) noexcept {
    std::swap(m_obj, other.m_obj);
    return *this;
  }

  T* get() const { return m_obj; }
  T* operator->() const { return m_obj; }
  T& operator*() const { return *m_obj; }
  explicit operator bool() const { return m_obj != nullptr; }
  bool isNull() const { return m_obj == nullptr; }

  void release() {
    if (m_obj) std::exchange(m_obj, nullptr)->release();
  }
  void attach(T* object) {
    release();
    m_obj = object;
  }
  T* detach() { return std::exchange(m_obj, nullptr); }

  friend bool operator==(const OdSmartPtr& a, const OdSmartPtr& b) { return a.m_obj == b.m_obj; }
  friend bool operator==(const OdSmartPtr& a, std::nullptr_t) { return a.m_obj == nullptr; }

private:
  template <class U>
  static T* convert(U* object) {
    if constexpr (std::is_base_of_v<T, U>) return object;
    else return odCheckedCast<T>(object);
  }
  void addRef() {
    if (m_obj) m_obj->addRef();
  }

  T* m_obj = nullptr;
};
