#include "corekit/platform/module_file.h"

namespace corekit::platform {

std::string ModuleFileName(HINSTANCE module) {
  char buffer[PathBufferSize];
  const DWORD length = GetModuleFileNameA(module, buffer, PathBufferSize);
  // A path of PathBufferSize characters or more comes back cut off.
  if (length == 0 || length >= static_cast<DWORD>(PathBufferSize)) return {};
  return std::string(buffer, length);
}

}  // namespace corekit::platform
