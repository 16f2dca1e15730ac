#include "corekit/platform/resource_names.h"

#include "corekit/platform/posix/resource_index.h"

std::vector<TResourceName> ModuleResourceNames(HMODULE module, WORD type) {
  return corekit::platform::posix::IndexedResourceNames(module, type);
}
