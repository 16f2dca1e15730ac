#include "corekit/platform/resource_names.h"

#include "corekit/platform/posix/resource_index.h"

namespace corekit::platform {

std::vector<ResourceName> ModuleResourceNames(HMODULE module, WORD type) {
  return posix::IndexedResourceNames(module, type);
}

}  // namespace corekit::platform
