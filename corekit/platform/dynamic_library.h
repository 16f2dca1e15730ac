#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// Loads a shared library by file name or path and returns its module handle, or null with the
// system's error code in *error (when error is not null).
HMODULE LoadDynamicLibrary(const char* path, DWORD* error) noexcept;

// The address of an exported function or object of a loaded module; null if it has none of that name.
void* FindLibrarySymbol(HMODULE module, const char* name) noexcept;

// Releases one load of the module; false if the handle names no loaded library.
bool FreeDynamicLibrary(HMODULE module) noexcept;

}  // namespace corekit::platform
