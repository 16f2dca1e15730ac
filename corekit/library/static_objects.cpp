// The library's static objects. They live in this one translation unit so that they are built in
// the order written here when the library loads, and destroyed in the reverse order when it unloads.

#include <cstring>

#include "corekit/core/module_chain.h"
#include "corekit/dllload/loader_table.h"
#include "corekit/errors/error_reporter.h"
#include "corekit/errors/reporter_chain.h"
#include "corekit/errors/std_error_text.h"
#include "corekit/platform/library_load.h"
#include "corekit/util/color.h"
#include "corekit/util/network_prefix.h"

namespace corekit::internal {
namespace {

// 1. The module chain through which resources are found, and this library's record in it.
ModuleChain g_moduleChain;
constinit ExtensionModuleRecord g_libraryRecord;

}  // namespace
}  // namespace corekit::internal

// 2. The named colours: ten built from components, then the rest from raw words.
const TColor TColor::Black(0, 0, 0);
const TColor TColor::LtGray(192, 192, 192);
const TColor TColor::Gray(128, 128, 128);
const TColor TColor::LtRed(255, 0, 0);
const TColor TColor::LtGreen(0, 255, 0);
const TColor TColor::LtYellow(255, 255, 0);
const TColor TColor::LtBlue(0, 0, 255);
const TColor TColor::LtMagenta(255, 0, 255);
const TColor TColor::LtCyan(0, 255, 255);
const TColor TColor::White(255, 255, 255);
const TColor TColor::None(0xFF000000UL);
const TColor TColor::Transparent(0xFE000000UL);
const TColor TColor::SysScrollbar(0x80000000UL);
const TColor TColor::SysDesktop(0x80000001UL);
const TColor TColor::SysActiveCaption(0x80000002UL);
const TColor TColor::SysInactiveCaption(0x80000003UL);
const TColor TColor::SysMenu(0x80000004UL);
const TColor TColor::SysWindow(0x80000005UL);
const TColor TColor::SysWindowFrame(0x80000006UL);
const TColor TColor::SysMenuText(0x80000007UL);
const TColor TColor::SysWindowText(0x80000008UL);
const TColor TColor::SysCaptionText(0x80000009UL);
const TColor TColor::SysActiveBorder(0x8000000AUL);
const TColor TColor::SysInactiveBorder(0x8000000BUL);
const TColor TColor::SysAppWorkspace(0x8000000CUL);
const TColor TColor::SysHighlight(0x8000000DUL);
const TColor TColor::SysHighlightText(0x8000000EUL);
const TColor TColor::Sys3dFace(0x8000000FUL);
const TColor TColor::Sys3dShadow(0x80000010UL);
const TColor TColor::SysGrayText(0x80000011UL);
const TColor TColor::SysBtnText(0x80000012UL);
const TColor TColor::SysInactiveCaptionText(0x80000013UL);
const TColor TColor::Sys3dHilight(0x80000014UL);
const TColor TColor::Sys3dDkShadow(0x80000015UL);
const TColor TColor::Sys3dLight(0x80000016UL);
const TColor TColor::SysInfoText(0x80000017UL);
const TColor TColor::SysInfoBk(0x80000018UL);

namespace corekit::internal {
namespace {

// 3. The loaders of plug-in libraries, by library name.
LoaderTable g_loaderTable;

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
LoaderTable& TheLoaderTable() noexcept { return g_loaderTable; }
ReporterChain& TheReporterChain() noexcept { return g_reporterChain; }
int NetworkPrefixLength() noexcept { return g_networkPrefixLength; }

}  // namespace corekit::internal
