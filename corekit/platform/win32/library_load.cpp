#include "corekit/platform/library_load.h"

#include "corekit/platform/module_handle.h"

namespace corekit::platform {
namespace {

// In a DLL the system loader calls DllMain; only a program that holds the library's objects
// itself needs the entry called here.
bool LoaderCallsEntry() noexcept { return SelfModule() != ExecutableModule(); }

}  // namespace

void EnterLibrary(LibraryEntryFunction entry) noexcept {
  if (!LoaderCallsEntry()) entry(SelfModule(), DLL_PROCESS_ATTACH, nullptr);
}

void LeaveLibrary(LibraryEntryFunction entry) noexcept {
  if (!LoaderCallsEntry()) entry(SelfModule(), DLL_PROCESS_DETACH, nullptr);
}

}  // namespace corekit::platform

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved) {
  return corekit::internal::LibraryEntry(module, reason, reserved);
}
