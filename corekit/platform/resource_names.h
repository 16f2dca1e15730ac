#pragma once

#include <string>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::platform {

// The name of a resource: a number, or a text of ASCII characters.
struct ResourceName {
  bool isNumber = false;
  WORD number = 0;
  std::string text;

  // The name as FindModuleResource takes it: MAKEINTRESOURCEA(number), or the text.
  const char* Get() const { return isNumber ? MAKEINTRESOURCEA(number) : text.c_str(); }
};

// The names of the module's resources of a numeric type (the executable's for null), each once
// whatever its languages: texts first in their order, then numbers ascending, as Windows lists
// them. Empty when the module has none.
std::vector<ResourceName> ModuleResourceNames(HMODULE module, WORD type);

}  // namespace corekit::platform
