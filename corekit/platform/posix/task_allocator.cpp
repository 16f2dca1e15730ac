#include "corekit/platform/task_allocator.h"

#include <cstdint>
#include <cstdlib>

LPVOID CoTaskMemAlloc(SIZE_T bytes) {
  // No object is larger than half the address space; such sizes are refused before malloc.
  if (bytes > static_cast<SIZE_T>(PTRDIFF_MAX)) return nullptr;
  return std::malloc(bytes != 0 ? bytes : 1);
}

void CoTaskMemFree(LPVOID block) { std::free(block); }
