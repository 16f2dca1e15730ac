#include "corekit/platform/task_memory.h"

#include <objbase.h>

namespace corekit::platform {

void FreeTaskMemory(void* block) noexcept { CoTaskMemFree(block); }

}  // namespace corekit::platform
