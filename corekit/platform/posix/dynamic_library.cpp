#include "corekit/platform/dynamic_library.h"

#include <dlfcn.h>
#include <link.h>

#include <cerrno>
#include <cstring>

#include "corekit/platform/module_handle.h"

namespace corekit::platform {
namespace {

// A new reference to the dlopen handle of an already loaded module, found by its handle (its base
// address); null if the address is no module's base. The caller closes it.
void* ReopenLoaded(HMODULE module) noexcept {
  Dl_info info{};
  if (module == nullptr || dladdr(module, &info) == 0 || info.dli_fbase != module) return nullptr;
  if (module == ExecutableModule()) return dlopen(nullptr, RTLD_NOW);
  return dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
}

// dlopen reports why in text only: a missing file ends its message with the C library's text for
// ENOENT, in the language of the program's locale.
DWORD LoadFailureCode(const char* message) noexcept {
  if (message == nullptr) return ENOEXEC;
  return std::strstr(message, std::strerror(ENOENT)) != nullptr ? ENOENT : ENOEXEC;
}

}  // namespace

HMODULE SystemLoadDynamicLibrary(const char* path, DWORD* error) noexcept {
  if (path == nullptr || *path == '\0') {
    if (error) *error = ENOENT;
    return nullptr;
  }
  void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    if (error) *error = LoadFailureCode(dlerror());
    return nullptr;
  }
  // The module's handle is its load address: that of the segment holding its dynamic section.
  link_map* map = nullptr;
  HMODULE module = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr)
    module = ModuleOfAddress(map->l_ld);
  if (module == nullptr) {
    dlclose(handle);
    if (error) *error = ENOEXEC;
    return nullptr;
  }
  if (error) *error = 0;
  return module;
}

void* SystemFindLibrarySymbol(HMODULE module, const char* name) noexcept {
  if (name == nullptr) return nullptr;
  void* handle = module == nullptr ? dlopen(nullptr, RTLD_NOW) : ReopenLoaded(module);
  if (handle == nullptr) return nullptr;
  void* symbol = dlsym(handle, name);
  dlclose(handle);
  return symbol;
}

bool SystemFreeDynamicLibrary(HMODULE module) noexcept {
  void* handle = ReopenLoaded(module);
  if (handle == nullptr) return false;
  // Once for the reference just taken, once for the load being released.
  dlclose(handle);
  dlclose(handle);
  return true;
}

}  // namespace corekit::platform
