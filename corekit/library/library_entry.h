#pragma once

#include "corekit/platform/types.h"

namespace corekit::internal {

// The library's entry, called by the system loader (or its POSIX equivalent) with the library's
// module, the reason and a reserved pointer. Process attach registers the library in the module
// chain; process detach ends that registration. FALSE only when the registration is refused.
BOOL LibraryEntry(HINSTANCE module, DWORD reason, void* reserved);

}  // namespace corekit::internal
