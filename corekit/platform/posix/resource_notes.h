#pragma once

// Where POSIX modules keep their resources: each compiled .res image is an ELF note named
// "corekit" of type 0x53455243 (see cmake/Resources.cmake), loaded with the module.

#include <cstddef>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::platform::posix {

// The bytes of one .res image.
struct ResourceImage {
  const BYTE* data = nullptr;
  std::size_t size = 0;
};

// The resource images of a loaded module (the executable for null), in link order; empty when the
// handle names no loaded module.
std::vector<ResourceImage> LoadedModuleResourceImages(HINSTANCE module);

// The resource images of an ELF file of this machine's class, read from disk; empty when the file
// cannot be read or holds none.
std::vector<std::vector<BYTE>> FileResourceImages(const char* path);

}  // namespace corekit::platform::posix
