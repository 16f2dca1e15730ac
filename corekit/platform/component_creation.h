#pragma once

// Creation of COM components by class id or by textual class name (ProgID). Windows has these
// functions. POSIX has no component registry: the library provides them, exported, and they
// answer that no class is registered.

#include "corekit/export.h"
#include "corekit/platform/com_base.h"

#if !defined(_WIN32)

// A UTF-16 character of COM's texts, and a pointer to such a text.
using OLECHAR = unsigned short;
using LPCOLESTR = const OLECHAR*;

// Where a created object may run (CoCreateInstance's context): in the process, in a handler, in
// another process on this machine or on another machine; or any of them.
#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_REMOTE_SERVER 0x10
#define CLSCTX_ALL \
  (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

// The result code for a class that is not registered.
#define REGDB_E_CLASSNOTREG (static_cast<HRESULT>(0x80040154L))

// Creates an object of the class and asks it for the interface iid. On POSIX: *object = null and
// REGDB_E_CLASSNOTREG (E_POINTER for a null object pointer).
COREKIT_API HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid,
                                     void** object);

// The class id registered under a ProgID such as "Survey.Value". On POSIX: *clsid = the null GUID
// and REGDB_E_CLASSNOTREG (E_INVALIDARG for a null argument).
COREKIT_API HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid);

#endif
