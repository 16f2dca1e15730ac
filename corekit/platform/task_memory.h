#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// Frees a block of the COM task allocator, as the receiver of an owned IGenericValue buffer must;
// null is ignored.
void FreeTaskMemory(void* block) noexcept;

}  // namespace corekit::platform
