#include "corekit/platform/task_allocator.h"

#include <cstdlib>

LPVOID CoTaskMemAlloc(SIZE_T bytes) { return std::malloc(bytes != 0 ? bytes : 1); }

void CoTaskMemFree(LPVOID block) { std::free(block); }
