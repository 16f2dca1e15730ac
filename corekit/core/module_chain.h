#pragma once

#include <mutex>
#include <vector>

#include "corekit/platform/types.h"

namespace corekit::internal {

// The record of one extension module: its handle, filled when the module registers.
struct ExtensionModuleRecord {
  HINSTANCE module = nullptr;
  bool initialised = false;
};

// The chain of registered modules through which the library finds resources, newest link first:
// the library's stand-in for the host framework's resource chain.
class ModuleChain {
public:
  // Fills the record for module. Refused (false) when the record is already in use.
  bool InitExtensionModule(ExtensionModuleRecord& record, HINSTANCE module);
  // Links the record's module into the chain, which owns the link from then on.
  void LinkLibrary(const ExtensionModuleRecord& record);
  // Ends the record's registration: removes its links and clears the record.
  void TermExtensionModule(ExtensionModuleRecord& record);

  // The linked modules, newest first.
  std::vector<HINSTANCE> Modules() const;
  bool Contains(HINSTANCE module) const;

private:
  struct Link {
    HINSTANCE module;
    const ExtensionModuleRecord* record;
  };
  mutable std::mutex m_lock;
  std::vector<Link> m_links;
};

// The process's module chain and this library's own record in it (static objects of the library).
ModuleChain& TheModuleChain() noexcept;
ExtensionModuleRecord& LibraryModuleRecord() noexcept;

}  // namespace corekit::internal
