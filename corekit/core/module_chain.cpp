#include "corekit/core/module_chain.h"

#include <algorithm>

namespace corekit::internal {

bool ModuleChain::InitExtensionModule(ExtensionModuleRecord& record, HINSTANCE module) {
  std::lock_guard<std::mutex> guard(m_lock);
  if (record.initialised) return false;
  record.module = module;
  record.initialised = true;
  return true;
}

void ModuleChain::LinkLibrary(const ExtensionModuleRecord& record) {
  std::lock_guard<std::mutex> guard(m_lock);
  m_links.insert(m_links.begin(), Link{record.module, &record});
}

void ModuleChain::TermExtensionModule(ExtensionModuleRecord& record) {
  std::lock_guard<std::mutex> guard(m_lock);
  std::erase_if(m_links, [&record](const Link& link) { return link.record == &record; });
  record = ExtensionModuleRecord{};
}

std::vector<HINSTANCE> ModuleChain::Modules() const {
  std::lock_guard<std::mutex> guard(m_lock);
  std::vector<HINSTANCE> modules;
  modules.reserve(m_links.size());
  for (const Link& link : m_links) modules.push_back(link.module);
  return modules;
}

bool ModuleChain::Contains(HINSTANCE module) const {
  std::lock_guard<std::mutex> guard(m_lock);
  return std::any_of(m_links.begin(), m_links.end(),
                     [module](const Link& link) { return link.module == module; });
}

}  // namespace corekit::internal
