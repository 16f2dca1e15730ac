#include "corekit/platform/resources.h"

#include "corekit/platform/posix/resource_index.h"
#include "corekit/winres/res_format.h"

namespace corekit::platform {

using winres::ResEntry;

HRSRC FindModuleResource(HMODULE module, const char* type, const char* name, WORD language) {
  return posix::FindIndexedResource(module, type, name, language);
}

const void* LockModuleResource(HMODULE module, HRSRC resource) {
  ResEntry entry;
  return posix::IndexedResourceEntry(module, resource, entry) ? entry.data : nullptr;
}

DWORD ModuleResourceSize(HMODULE module, HRSRC resource) {
  ResEntry entry;
  return posix::IndexedResourceEntry(module, resource, entry) ? entry.size : 0;
}

}  // namespace corekit::platform
