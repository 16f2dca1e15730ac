#include "corekit/platform/library_load.h"

#include "corekit/platform/module_handle.h"

namespace corekit::platform {

// A POSIX loader calls no entry function: the library's last static object stands in for it.
void EnterLibrary(LibraryEntryFunction entry) noexcept { entry(SelfModule(), DLL_PROCESS_ATTACH, nullptr); }

void LeaveLibrary(LibraryEntryFunction entry) noexcept { entry(SelfModule(), DLL_PROCESS_DETACH, nullptr); }

}  // namespace corekit::platform
