#pragma once

// The data of a module's resources, found with FindResourceFallback, and the names of its
// resources of a type. Windows has these functions; on POSIX the library provides them, exported,
// over the resources that corekit_add_resources gave the module. On Windows this header includes
// <windows.h>, which declares them.

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"
#include "corekit/platform/sdk_options.h"

#if defined(_WIN32)

#include <windows.h>

#else

#include <cstdint>

// A resource type or name given by number instead of by text, and the test for one.
#define MAKEINTRESOURCEA(i) \
  (reinterpret_cast<char*>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define IS_INTRESOURCE(r) ((reinterpret_cast<std::uintptr_t>(r) >> 16) == 0)

// The calling convention of callbacks, which only 32-bit Windows has.
#ifndef CALLBACK
#define CALLBACK
#endif

// Called with each name (a text, or a number as MAKEINTRESOURCEA gives it); FALSE stops.
using ENUMRESNAMEPROCA = BOOL (*)(HMODULE module, const char* type, char* name, LONG_PTR param);

// The handle of the resource's data (module null: the executable); null on failure.
COREKIT_API HGLOBAL LoadResource(HMODULE module, HRSRC resource);
// The data of a loaded resource, valid while the module stays loaded.
COREKIT_API LPVOID LockResource(HGLOBAL data);
// The size in bytes of the resource's data; 0 on failure.
COREKIT_API DWORD SizeofResource(HMODULE module, HRSRC resource);
// Calls back with each name of the module's resources of a numeric type (MAKEINTRESOURCEA), texts
// first, then numbers ascending, as Windows lists them; FALSE when the module has none.
COREKIT_API BOOL EnumResourceNamesA(HMODULE module, const char* type, ENUMRESNAMEPROCA callback,
                                    LONG_PTR param);

#endif
