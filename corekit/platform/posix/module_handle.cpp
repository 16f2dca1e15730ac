#include "corekit/platform/module_handle.h"

#include <dlfcn.h>
#include <link.h>

namespace corekit::platform {

HINSTANCE ModuleOfAddress(const void* address) noexcept {
  Dl_info info{};
  if (address == nullptr || dladdr(address, &info) == 0) return nullptr;
  return static_cast<HINSTANCE>(info.dli_fbase);
}

HINSTANCE SelfModule() noexcept { return ModuleOfAddress(reinterpret_cast<const void*>(&SelfModule)); }

HINSTANCE ExecutableModule() noexcept {
  // The first object the dynamic linker reports is the executable; its handle is the address of
  // its first loaded segment, which is what dladdr reports as the base of the executable's code.
  void* base = nullptr;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* data) -> int {
        for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
          const ElfW(Phdr)& header = info->dlpi_phdr[i];
          if (header.p_type == PT_LOAD) {
            *static_cast<void**>(data) = reinterpret_cast<void*>(info->dlpi_addr + header.p_vaddr);
            break;
          }
        }
        return 1;
      },
      &base);
  return static_cast<HINSTANCE>(base);
}

}  // namespace corekit::platform
