#include "corekit/platform/module_file.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include "corekit/platform/module_handle.h"

namespace corekit::platform {
namespace {

std::string Fitting(std::string path) {
  return path.size() < static_cast<std::size_t>(PathBufferSize) ? path : std::string();
}

}  // namespace

std::string ModuleFileName(HINSTANCE module) {
  if (module == nullptr || module == ExecutableModule()) {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer);
    return length > 0 && length < static_cast<ssize_t>(sizeof buffer)
               ? Fitting(std::string(buffer, length))
               : std::string();
  }
  Dl_info info{};
  if (dladdr(module, &info) == 0 || info.dli_fbase != module || info.dli_fname == nullptr)
    return {};
  // A library loaded by a relative name reports that name; the full path is what callers expect.
  char full[PATH_MAX];
  if (realpath(info.dli_fname, full) == nullptr) return {};
  return Fitting(full);
}

}  // namespace corekit::platform
