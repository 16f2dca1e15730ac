#pragma once

#include "corekit/platform/com_base.h"
#include "corekit/platform/component_creation.h"

// The interface id of a COM interface type, for TComPtrBase::CoCreateInstance: specialised beside
// each interface that is created that way.
template <typename Interface>
struct TComInterfaceId;

// IUnknown's id.
template <>
struct TComInterfaceId<IUnknown> {
  // The interface's id.
  static const IID& Get() noexcept { return IID_IUnknown; }
};

// A counted COM interface pointer: it holds one reference to the object while it is not null. The
// raw pointer is reached by conversion, -> and *; & gives its address for out-parameters (release
// a held pointer first, or it is overwritten without being released).
template <typename T>
class TComPtrBase {
public:
  // The held pointer, or null.
  T* p;

  ~TComPtrBase();

  // The held pointer: by conversion, dereferenced, its address (for an out-parameter), for member
  // access; ! is true when it is null.
  operator T*() const noexcept { return p; }
  T& operator*() const noexcept { return *p; }
  T** operator&() noexcept { return &p; }
  T* operator->() const noexcept { return p; }
  bool operator!() const noexcept { return p == nullptr; }
  // Orders and compares by address.
  bool operator<(T* other) const noexcept { return p < other; }
  bool operator==(T* other) const noexcept { return p == other; }

  // Releases the held pointer and becomes null.
  void Release();

  // True when both are null or both are the same object (the same IUnknown identity).
  bool IsEqualObject(IUnknown* other);

  // Holds other without adding a reference; the pointer held before is released.
  void Attach(T* other);

  // Gives the pointer away without releasing it and becomes null.
  T* Detach() noexcept {
    T* const held = p;
    p = nullptr;
    return held;
  }

  // *out = the pointer, with a reference of its own. E_POINTER for a null out.
  HRESULT CopyTo(T** out) const;

  // Gives the held object its site through the object's IObjectWithSite. E_POINTER when null;
  // the object's answer otherwise.
  HRESULT SetSite(IUnknown* site);

  // Connects sink to the held object's connection point for the interface iid, through its
  // IConnectionPointContainer; *cookie identifies the connection. E_INVALIDARG when null.
  HRESULT Advise(IUnknown* sink, const GUID& iid, DWORD* cookie);

  // Creates an object of the class and holds its interface T (the pointer held before is
  // released; null on failure). Without a component registry (POSIX): REGDB_E_CLASSNOTREG.
  HRESULT CoCreateInstance(const GUID& clsid, IUnknown* outer = nullptr,
                           DWORD context = CLSCTX_ALL);

  // The same for a class named by its zero-terminated UTF-16 ProgID; a ProgID that names no
  // class gives CLSIDFromProgID's failure.
  HRESULT CoCreateInstance(const unsigned short* progId, IUnknown* outer = nullptr,
                           DWORD context = CLSCTX_ALL);

protected:
  TComPtrBase() noexcept : p(nullptr) {}
  // Null, from a literal 0.
  TComPtrBase(int) noexcept : p(nullptr) {}
  // Holds other and adds a reference to it.
  TComPtrBase(T* other);

  // The new pointer gains its reference before the old one loses its own.
  T* Assign(T* other);

  // Copies hold references of their own: only TComPtr copies.
  TComPtrBase(const TComPtrBase&) = delete;
  TComPtrBase& operator=(const TComPtrBase&) = delete;
};

// The smart pointer with construction, copy and assignment: each copy holds a reference of its own.
template <typename T>
class TComPtr : public TComPtrBase<T> {
public:
  // Null; null from a literal 0; holding other, or a copy's object, with a reference of its own.
  TComPtr() noexcept = default;
  TComPtr(int null) noexcept : TComPtrBase<T>(null) {}
  TComPtr(T* other);
  TComPtr(const TComPtr& other);

  // Holds other with a reference of its own (the pointer held before is released) and returns it.
  T* operator=(T* other);
  T* operator=(const TComPtr& other);
};

// The members are defined outside the classes: the library exports them for its own instantiation.

template <typename T>
TComPtrBase<T>::~TComPtrBase() {
  if (p != nullptr) p->Release();
}

template <typename T>
void TComPtrBase<T>::Release() {
  T* const held = p;
  if (held != nullptr) {
    p = nullptr;
    held->Release();
  }
}

template <typename T>
bool TComPtrBase<T>::IsEqualObject(IUnknown* other) {
  if (p == nullptr || other == nullptr) return p == nullptr && other == nullptr;
  IUnknown* mine = nullptr;
  IUnknown* theirs = nullptr;
  p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&mine));
  other->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&theirs));
  const bool same = mine == theirs;
  if (mine != nullptr) mine->Release();
  if (theirs != nullptr) theirs->Release();
  return same;
}

template <typename T>
void TComPtrBase<T>::Attach(T* other) {
  T* const old = p;
  p = other;
  if (old != nullptr) old->Release();
}

template <typename T>
HRESULT TComPtrBase<T>::CopyTo(T** out) const {
  if (out == nullptr) return E_POINTER;
  *out = p;
  if (p != nullptr) p->AddRef();
  return S_OK;
}

template <typename T>
HRESULT TComPtrBase<T>::SetSite(IUnknown* site) {
  if (p == nullptr) return E_POINTER;
  IObjectWithSite* child = nullptr;
  HRESULT result = p->QueryInterface(IID_IObjectWithSite, reinterpret_cast<void**>(&child));
  if (SUCCEEDED(result)) {
    result = child->SetSite(site);
    child->Release();
  }
  return result;
}

template <typename T>
HRESULT TComPtrBase<T>::Advise(IUnknown* sink, const GUID& iid, DWORD* cookie) {
  if (p == nullptr) return E_INVALIDARG;
  IConnectionPointContainer* container = nullptr;
  HRESULT result =
      p->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container));
  if (FAILED(result)) return result;
  IConnectionPoint* point = nullptr;
  result = container->FindConnectionPoint(iid, &point);
  container->Release();
  if (FAILED(result)) return result;
  result = point->Advise(sink, cookie);
  point->Release();
  return result;
}

template <typename T>
HRESULT TComPtrBase<T>::CoCreateInstance(const GUID& clsid, IUnknown* outer, DWORD context) {
  T* created = nullptr;
  const HRESULT result = ::CoCreateInstance(clsid, outer, context, TComInterfaceId<T>::Get(),
                                            reinterpret_cast<void**>(&created));
  Attach(SUCCEEDED(result) ? created : nullptr);
  return result;
}

template <typename T>
HRESULT TComPtrBase<T>::CoCreateInstance(const unsigned short* progId, IUnknown* outer,
                                         DWORD context) {
  CLSID clsid{};
  const HRESULT result = ::CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(progId), &clsid);
  if (FAILED(result)) {
    Release();
    return result;
  }
  return CoCreateInstance(clsid, outer, context);
}

template <typename T>
TComPtrBase<T>::TComPtrBase(T* other) : p(other) {
  if (p != nullptr) p->AddRef();
}

template <typename T>
T* TComPtrBase<T>::Assign(T* other) {
  if (other != nullptr) other->AddRef();
  T* const old = p;
  p = other;
  if (old != nullptr) old->Release();
  return other;
}

template <typename T>
TComPtr<T>::TComPtr(T* other) : TComPtrBase<T>(other) {}

template <typename T>
TComPtr<T>::TComPtr(const TComPtr& other) : TComPtrBase<T>(other.p) {}

template <typename T>
T* TComPtr<T>::operator=(T* other) {
  return this->Assign(other);
}

template <typename T>
T* TComPtr<T>::operator=(const TComPtr& other) {
  return this->Assign(other.p);
}
