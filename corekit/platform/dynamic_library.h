#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// Loads a shared library by file name or path and returns its module handle, or null with the
// system's error code in *error (when error is not null).
HMODULE LoadDynamicLibrary(const char* path, DWORD* error) noexcept;

// The address of an exported function or object of a loaded module; null if it has none of that
// name.
void* FindLibrarySymbol(HMODULE module, const char* name) noexcept;

// Releases one load of the module; false if the handle names no loaded library.
bool FreeDynamicLibrary(HMODULE module) noexcept;

// The functions that the three above call, so that tests can count or fail them. By default they
// are the system's own, below.
struct DynamicLibraryCalls {
  HMODULE (*load)(const char* path, DWORD* error) noexcept;
  void* (*find)(HMODULE module, const char* name) noexcept;
  bool (*release)(HMODULE module) noexcept;
};

// Sets the calls (null: the system's again) and returns the ones set before. The table must live
// as long as it is set.
const DynamicLibraryCalls* SetDynamicLibraryCalls(const DynamicLibraryCalls* calls) noexcept;

// The system's own calls: dlopen/dlsym/dlclose on POSIX, LoadLibraryA/GetProcAddress/FreeLibrary
// on Windows.
HMODULE SystemLoadDynamicLibrary(const char* path, DWORD* error) noexcept;
void* SystemFindLibrarySymbol(HMODULE module, const char* name) noexcept;
bool SystemFreeDynamicLibrary(HMODULE module) noexcept;

}  // namespace corekit::platform
