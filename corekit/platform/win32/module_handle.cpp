#include "corekit/platform/module_handle.h"

namespace corekit::platform {

HINSTANCE ModuleOfAddress(const void* address) noexcept {
  HMODULE module = nullptr;
  if (address == nullptr ||
      !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCWSTR>(address), &module)) {
    return nullptr;
  }
  return module;
}

HINSTANCE SelfModule() noexcept { return ModuleOfAddress(reinterpret_cast<const void*>(&SelfModule)); }

HINSTANCE ExecutableModule() noexcept { return GetModuleHandleW(nullptr); }

}  // namespace corekit::platform
