#include "corekit/core/app_info.h"

#include "corekit/core/module_file_info.h"
#include "corekit/platform/module_file.h"
#include "corekit/platform/user_folder.h"

namespace ci = corekit::internal;

namespace {

KString ExecutablePath() { return KString(corekit::platform::ModuleFileName(nullptr).c_str()); }

}  // namespace

KString GetAppName() {
  const KString path = ExecutablePath();
  KString product;
  if (ci::VersionTextOfFile(path, "ProductName", product) && !product.IsEmpty()) return product;
  return ci::BareNameOfPath(path);
}

KString GetAppDir() { return ci::FolderOfPath(ExecutablePath()); }

KString GetUserDir() {
  const std::string folder = corekit::platform::UserDataFolder("MorvikTools");
  return folder.empty() ? GetAppDir() : KString(folder.c_str());
}

ULONG GetModuleVersion(HINSTANCE module) {
  KString text;
  const KString path(corekit::platform::ModuleFileName(module).c_str());
  return ci::VersionTextOfFile(path, "FileVersion", text) ? ci::VersionNumberOfText(text)
                                                          : ci::MissingVersion;
}
