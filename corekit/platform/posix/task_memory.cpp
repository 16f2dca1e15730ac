#include "corekit/platform/task_memory.h"

#include "corekit/platform/task_allocator.h"

namespace corekit::platform {

void SystemFreeTaskMemory(void* block) noexcept { CoTaskMemFree(block); }

}  // namespace corekit::platform
