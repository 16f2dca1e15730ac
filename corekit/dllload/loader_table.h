#pragma once

#include <map>

#include "corekit/core/kstring.h"

class TDLLFuncLoader;

namespace corekit::internal {

// The process's loaders by library name, one of the library's static objects. Its end frees only
// the table: loaders still listed stay alive, and so do their libraries.
using LoaderTable = std::map<KString, TDLLFuncLoader*>;

LoaderTable& TheLoaderTable() noexcept;

}  // namespace corekit::internal
