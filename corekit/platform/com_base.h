#pragma once

// COM's binary interface as the library's COM classes use it: IUnknown, interface ids, result
// codes, the methods' calling convention, and the interfaces through which a smart pointer gives an
// object its site or connects a sink to it. On Windows these are the SDK's, as IUnknown must be the
// system's own: this header includes the narrowest SDK headers that declare them, <objbase.h>
// (IUnknown, component creation, the task allocator) and <ocidl.h> (IObjectWithSite, the
// connection points). Like every COM header of the SDK they bring <windows.h> along. On POSIX the
// library defines them with COM's layout: the same methods in the same slots of the function table
// (no virtual destructor, so slot 0 is QueryInterface), 16-byte GUIDs and 32-bit HRESULTs, so that
// modules of other compilers that follow the layout can call them.

#include "corekit/platform/interface_types.h"
#include "corekit/platform/sdk_options.h"

#if defined(_WIN32)

#include <objbase.h>
#include <ocidl.h>

#else

#include <cstdint>

// The calling convention of COM methods: the platform's own on POSIX.
#define STDMETHODCALLTYPE

// A 16-byte globally unique id of an interface or a class, in COM's layout.
struct GUID {
  // The id's fields, as COM writes them: {Data1-Data2-Data3-Data4[0..1]-Data4[2..7]}.
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];

  // Equal when all 16 bytes are.
  friend bool operator==(const GUID&, const GUID&) = default;
};
// The ids of interfaces and of component classes.
using IID = GUID;
using CLSID = GUID;
static_assert(sizeof(GUID) == 16, "a GUID keeps its Windows layout");

// COM's result codes, with the SDK's values: success, success with "false", not implemented, no
// such interface, null pointer, unspecified failure, out of memory, invalid argument.
#define S_OK (static_cast<HRESULT>(0x00000000L))
#define S_FALSE (static_cast<HRESULT>(0x00000001L))
#define E_NOTIMPL (static_cast<HRESULT>(0x80004001L))
#define E_NOINTERFACE (static_cast<HRESULT>(0x80004002L))
#define E_POINTER (static_cast<HRESULT>(0x80004003L))
#define E_FAIL (static_cast<HRESULT>(0x80004005L))
#define E_OUTOFMEMORY (static_cast<HRESULT>(0x8007000EL))
#define E_INVALIDARG (static_cast<HRESULT>(0x80070057L))
// Whether a result code reports success (S_OK, S_FALSE, ...) or failure (the high bit set).
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)
#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)

// The ids as COM's methods take them: by reference.
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

// The interface ids of IUnknown, IObjectWithSite, IConnectionPointContainer and IConnectionPoint.
inline constexpr IID IID_IUnknown{
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IObjectWithSite{
    0xFC4801A3, 0x2BA9, 0x11CF, {0xA2, 0x29, 0x00, 0xAA, 0x00, 0x3D, 0x73, 0x52}};
inline constexpr IID IID_IConnectionPointContainer{
    0xB196B284, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};
inline constexpr IID IID_IConnectionPoint{
    0xB196B286, 0xBAB4, 0x101A, {0xB6, 0x9C, 0x00, 0xAA, 0x00, 0x34, 0x1D, 0x07}};

// The base of every COM interface: another interface of the same object by id, and the object's
// reference count. Release returns the new count; at 0 the object may delete itself.
struct IUnknown {
  // Another interface of the object by id (counted; E_NOINTERFACE and null when it has none), one
  // reference more, one less (Release returns the count left).
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
};

// An object that its container tells where it is placed (its site).
struct IObjectWithSite : IUnknown {
  // Sets the object's site (null: none); gets it as the interface iid.
  virtual HRESULT STDMETHODCALLTYPE SetSite(IUnknown* site) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSite(REFIID iid, void** site) = 0;
};

struct IConnectionPoint;
// Enumerators of connection points and connections; only their pointers appear here.
struct IEnumConnectionPoints;
struct IEnumConnections;

// An object that sends events: one connection point per outgoing interface.
struct IConnectionPointContainer : IUnknown {
  // The object's connection points, and the one for the outgoing interface iid.
  virtual HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) = 0;
};

// One outgoing interface of an object: sinks connect (Advise) and get a cookie to disconnect.
struct IConnectionPoint : IUnknown {
  // The outgoing interface's id, the container of the point, connecting and disconnecting a sink,
  // and the current connections.
  virtual HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
  virtual HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) = 0;
  virtual HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) = 0;
};

#endif
