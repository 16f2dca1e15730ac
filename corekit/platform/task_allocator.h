#pragma once

// The COM task allocator: blocks that one module allocates and another frees, such as the bytes an
// IGenericValue hands out as owned. Windows has these functions; on POSIX the library provides
// them, exported, so that every module allocates and frees through the same heap.

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"

#if defined(_WIN32)

// The system's task allocator comes with its COM headers.
#include "corekit/platform/com_base.h"

#else

// A new block of the given size (also for 0); null when memory is short (as for any size above
// PTRDIFF_MAX).
COREKIT_API LPVOID CoTaskMemAlloc(SIZE_T bytes);
// Frees a block of CoTaskMemAlloc; null is ignored.
COREKIT_API void CoTaskMemFree(LPVOID block);

#endif
