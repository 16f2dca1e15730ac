#include "corekit/dllload/module_load.h"

#include "corekit/platform/dynamic_library.h"

HMODULE LoadModuleFile(const char* path, DWORD* error) {
  return corekit::platform::LoadDynamicLibrary(path, error);
}

bool FreeModuleFile(HMODULE module) { return corekit::platform::FreeDynamicLibrary(module); }
