// IHostUnknown: the reference-counted base of every host object, with
// interface queries by type identity.
//
// Objects start with one reference; the last Release destroys them.
// QueryInterface answers an AddRef'd pointer to the asked interface (the
// caller releases it) or null when the object does not implement it.
#pragma once

#include <typeinfo>
#include <utility>

class IHostUnknown {
public:
  virtual long AddRef() = 0;
  virtual long Release() = 0;
  // Fills `out` with an AddRef'd pointer to the interface whose type is
  // `type`, or null; answers whether it did.
  virtual bool QueryInterface(const std::type_info& type, void** out) = 0;

protected:
  ~IHostUnknown() = default;
};

// The interface I of `object`, AddRef'd, or null (a null object gives null).
template <class I>
I* hostQueryInterface(IHostUnknown* object) {
  void* out = nullptr;
  if (!object || !object->QueryInterface(typeid(I), &out)) return nullptr;
  return static_cast<I*>(out);
}

// Holds one reference to a host object and releases it on every path.
template <class I>
class host_ref {
public:
  host_ref() = default;
  // Takes over a reference the caller already owns (AddRef'd results).
  static host_ref attach(I* object) { host_ref ref; ref.m_obj = object; return ref; }
  // Adds a reference of its own.
  static host_ref share(I* object) { if (object) object->AddRef(); return attach(object); }
  host_ref(const host_ref& other) : m_obj(other.m_obj) { if (m_obj) m_obj->AddRef(); }
  host_ref(host_ref&& other) noexcept : m_obj(other.m_obj) { other.m_obj = nullptr; }
  host_ref& operator=(host_ref other) noexcept { std::swap(m_obj, other.m_obj); return *this; }
  ~host_ref() { if (m_obj) m_obj->Release(); }

  I* get() const { return m_obj; }
  I* operator->() const { return m_obj; }
  explicit operator bool() const { return m_obj != nullptr; }
  // Gives the reference back to the caller.
  I* detach() { I* object = m_obj; m_obj = nullptr; return object; }

private:
  I* m_obj = nullptr;
};
