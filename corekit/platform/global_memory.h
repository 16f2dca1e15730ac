#pragma once

// Global memory blocks, such as the text block a TClipboardStream keeps for its caller. Windows
// has these functions; on POSIX the library provides them, exported, so that a caller can lock,
// size and free a block it received. A block's handle is not its address: lock it to reach the
// bytes. On Windows this header includes <windows.h>, which declares them; on POSIX it names only
// the types of their signatures.

#include "corekit/export.h"
#include "corekit/platform/interface_types.h"
#include "corekit/platform/sdk_options.h"

#if defined(_WIN32)

#include <windows.h>

#else

// GlobalAlloc's flags: a block that may move (reached through its handle), a zero-filled block.
#define GMEM_MOVEABLE 0x0002
#define GMEM_ZEROINIT 0x0040

// A new block of the given size, zero-filled with GMEM_ZEROINIT; null when memory is short (as for
// any size above PTRDIFF_MAX).
COREKIT_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// The block's bytes, its lock count raised; null for a handle that names no block.
COREKIT_API LPVOID GlobalLock(HGLOBAL block);
// Lowers the lock count: TRUE while the block stays locked, FALSE once unlocked (or unknown).
COREKIT_API BOOL GlobalUnlock(HGLOBAL block);
// The block's size in bytes; 0 for a handle that names no block.
COREKIT_API SIZE_T GlobalSize(HGLOBAL block);
// Frees the block: null on success, the handle itself when it names no block.
COREKIT_API HGLOBAL GlobalFree(HGLOBAL block);

#endif
