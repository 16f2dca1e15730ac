#include "corekit/platform/library_load.h"

#include "corekit/core/module_chain.h"

namespace corekit::internal {

BOOL LibraryEntry(HINSTANCE module, DWORD reason, void* /*reserved*/) {
  ModuleChain& chain = TheModuleChain();
  ExtensionModuleRecord& record = LibraryModuleRecord();
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      if (!chain.InitExtensionModule(record, module)) return FALSE;
      chain.LinkLibrary(record);
      return TRUE;
    case DLL_PROCESS_DETACH:
      chain.TermExtensionModule(record);
      return TRUE;
    default:
      return TRUE;
  }
}

}  // namespace corekit::internal
