#pragma once

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

// Loads a module file (a shared library or plug-in, by file name or path) to read its resources,
// menus or version, and returns its handle; null, with the system's error code in *error when
// error is not null, when it cannot be loaded.
//   HMODULE plugin = LoadModuleFile("./survey.so", &code); ... FreeModuleFile(plugin);
COREKIT_API HMODULE LoadModuleFile(const char* path, DWORD* error);

// Releases one load of a module; false when the handle names no loaded module.
COREKIT_API bool FreeModuleFile(HMODULE module);
