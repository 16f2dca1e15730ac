#include "corekit/platform/dynamic_library.h"

namespace corekit::platform {

HMODULE SystemLoadDynamicLibrary(const char* path, DWORD* error) noexcept {
  HMODULE module = LoadLibraryA(path);
  if (error) *error = module ? 0 : GetLastError();
  return module;
}

void* SystemFindLibrarySymbol(HMODULE module, const char* name) noexcept {
  if (name == nullptr) return nullptr;
  if (module == nullptr) module = GetModuleHandleW(nullptr);
  return reinterpret_cast<void*>(GetProcAddress(module, name));
}

bool SystemFreeDynamicLibrary(HMODULE module) noexcept {
  return module != nullptr && FreeLibrary(module) != FALSE;
}

}  // namespace corekit::platform
