#pragma once

#include <string>
#include <vector>

#include "corekit/export.h"
#include "corekit/platform/resource_functions.h"

// The name of a resource: a number, or a text of ASCII characters.
struct TResourceName {
  bool isNumber = false;  // a number, held in number; else a text, held in text
  WORD number = 0;        // the number of a numbered resource
  std::string text;       // the text of a named resource

  // The name as FindResourceFallback takes it: MAKEINTRESOURCEA(number), or the text.
  const char* Get() const { return isNumber ? MAKEINTRESOURCEA(number) : text.c_str(); }
};

// The names of the module's resources of a numeric type (the executable's for null), each once
// whatever its languages: texts first in their order, then numbers ascending, as Windows lists
// them. Empty when the module has none.
COREKIT_API std::vector<TResourceName> ModuleResourceNames(HMODULE module, WORD type);
