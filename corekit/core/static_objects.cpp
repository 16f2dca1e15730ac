// The library's static objects. They live in this one translation unit so that they are built in
// the order written here when the library loads, and destroyed in the reverse order when it unloads.

#include <cstring>

#include "corekit/core/library_entry.h"
#include "corekit/core/module_chain.h"
#include "corekit/dllload/loader_table.h"
#include "corekit/platform/library_load.h"
#include "corekit/util/network_prefix.h"

namespace corekit::internal {
namespace {

// 1. The module chain through which resources are found, and this library's record in it.
ModuleChain g_moduleChain;
constinit ExtensionModuleRecord g_libraryRecord;

// 3. The loaders of plug-in libraries, by library name.
LoaderTable g_loaderTable;

// 6. The length of the network-path prefix, for the path code.
const int g_networkPrefixLength = static_cast<int>(std::strlen(NetworkPrefix));

// Last: once every object above exists the library registers itself; before they are destroyed
// its registration ends.
struct LibraryLoad {
  LibraryLoad() noexcept { platform::EnterLibrary(&LibraryEntry); }
  ~LibraryLoad() { platform::LeaveLibrary(&LibraryEntry); }
  LibraryLoad(const LibraryLoad&) = delete;
  LibraryLoad& operator=(const LibraryLoad&) = delete;
};
LibraryLoad g_libraryLoad;

}  // namespace

ModuleChain& TheModuleChain() noexcept { return g_moduleChain; }
ExtensionModuleRecord& LibraryModuleRecord() noexcept { return g_libraryRecord; }
LoaderTable& TheLoaderTable() noexcept { return g_loaderTable; }
int NetworkPrefixLength() noexcept { return g_networkPrefixLength; }

}  // namespace corekit::internal
