#pragma once

#include "corekit/platform/types.h"

namespace corekit::platform {

// The library's entry: what the system loader calls with the module, the reason
// (DLL_PROCESS_ATTACH ...) and a reserved pointer.
using LibraryEntryFunction = BOOL (*)(HINSTANCE module, DWORD reason, void* reserved);

// Called once every static object of the library is built, and again before they are destroyed.
// Where the system loader calls the library's entry itself (a Windows DLL), they do nothing;
// elsewhere (a POSIX shared object, a program that holds the library's objects) they call the
// entry with the process attach and detach reasons.
void EnterLibrary(LibraryEntryFunction entry) noexcept;
void LeaveLibrary(LibraryEntryFunction entry) noexcept;

}  // namespace corekit::platform

namespace corekit::internal {

// The library's entry, which the library defines above this layer (library/library_entry.cpp):
// called by the system loader (a Windows DLL's DllMain) or through EnterLibrary/LeaveLibrary with
// the library's module, the reason and a reserved pointer. Process attach registers the library in
// the module chain; process detach ends that registration. FALSE only when the registration is
// refused.
BOOL LibraryEntry(HINSTANCE module, DWORD reason, void* reserved);

}  // namespace corekit::internal
