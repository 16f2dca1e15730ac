#pragma once

#include <map>
#include <mutex>

#include "corekit/core/kstring.h"

class TDLLFuncLoader;

namespace corekit::internal {

// The process's loaders by library name, one of the library's static objects. Loaders are made
// and released under its lock, so that threads asking for one library at once share one loader.
// Its end frees only the table: loaders still listed stay alive, and so do their libraries.
struct LoaderTable {
  std::mutex lock;
  std::map<KString, TDLLFuncLoader*> loaders;
};

LoaderTable& TheLoaderTable() noexcept;

}  // namespace corekit::internal
