// The library's static objects. They live in this one translation unit so that they are built in
// the order written here when the library loads, and destroyed in the reverse order when it unloads.

#include <cstring>

#include "corekit/core/library_entry.h"
#include "corekit/core/module_chain.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/errors/reporter_chain.h"
#include "corekit/errors/std_error_text.h"
#include "corekit/platform/library_load.h"
#include "corekit/util/network_prefix.h"

namespace corekit::internal {
namespace {

// 1. The module chain through which resources are found, and this library's record in it.
ModuleChain g_moduleChain;
constinit ExtensionModuleRecord g_libraryRecord;

// 4. The reporter chain.
ReporterChain g_reporterChain;

// 5. The library's own reporter, which enters the chain at index 0. Its class has internal
// linkage: on Windows a class derived from an exported one would export its type information.
class TStdErrorReporter final : public TErrorReporter {
protected:
  KString ErrorToTextImp(LONG code, const KString& text1, const KString& text2,
                         const KString& text3) override {
    return StdErrorText(code, text1, text2, text3);
  }
};
TStdErrorReporter g_stdErrorReporter;

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
ReporterChain& TheReporterChain() noexcept { return g_reporterChain; }
int NetworkPrefixLength() noexcept { return g_networkPrefixLength; }

}  // namespace corekit::internal
