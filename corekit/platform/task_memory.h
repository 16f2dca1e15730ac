#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// Frees a block of the COM task allocator, as the receiver of an owned IGenericValue buffer must;
// null is ignored. While a hook is set the hook is called instead.
void FreeTaskMemory(void* block) noexcept;

// A function that stands in for the task allocator's free, so that tests can count the frees.
using FreeTaskMemoryHook = void (*)(void* block) noexcept;

// Sets the hook (null: the system's free again) and returns the one set before.
FreeTaskMemoryHook SetFreeTaskMemoryHook(FreeTaskMemoryHook hook) noexcept;

// The system's own free (CoTaskMemFree), without the hook.
void SystemFreeTaskMemory(void* block) noexcept;

}  // namespace corekit::platform
