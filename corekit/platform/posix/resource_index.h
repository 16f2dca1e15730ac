#pragma once

// The resources of loaded modules, read once per module: the module's images and an index of its
// resources by type, name and language, so that a lookup does not walk the loaded modules and
// scan the images at each call. The index is dropped when a module is loaded or unloaded.

#include <vector>

#include "corekit/platform/resource_names.h"
#include "corekit/platform/types.h"
#include "corekit/winres/res_format.h"

namespace corekit::platform::posix {

// The first resource of the module (the executable for null) with this type, name and language, as
// FindModuleResource answers; null when there is none.
HRSRC FindIndexedResource(HMODULE module, const char* type, const char* name, WORD language);

// The resource whose header is at handle, when it lies in one of the module's images.
bool IndexedResourceEntry(HMODULE module, HRSRC handle, winres::ResEntry& entry);

// The names of the module's resources of the numeric type, as ModuleResourceNames answers.
std::vector<TResourceName> IndexedResourceNames(HMODULE module, WORD type);

}  // namespace corekit::platform::posix
