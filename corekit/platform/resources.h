#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// The resource of a module (the executable for null) with the given type and name, each a number
// (MAKEINTRESOURCEA) or a text, in exactly the given language; null if the module has none.
HRSRC FindModuleResource(HMODULE module, const char* type, const char* name, WORD language);

// The data of a found resource, valid while the module stays loaded; null on failure.
const void* LockModuleResource(HMODULE module, HRSRC resource);

// The size in bytes of a found resource's data; 0 on failure.
DWORD ModuleResourceSize(HMODULE module, HRSRC resource);

}  // namespace corekit::platform
