#include "corekit/platform/resources.h"

#include "corekit/platform/posix/resource_notes.h"
#include "corekit/platform/res_format.h"

namespace corekit::platform {
namespace {

// The resource whose header starts at handle, read again from the module's image that holds it.
bool EntryAt(HMODULE module, HRSRC handle, ResEntry& entry) {
  const auto* header = reinterpret_cast<const BYTE*>(handle);
  if (header == nullptr) return false;
  for (const posix::ResourceImage& image : posix::LoadedModuleResourceImages(module)) {
    if (header < image.data || header >= image.data + image.size) continue;
    std::size_t offset = static_cast<std::size_t>(header - image.data);
    return NextResEntry(image.data, image.size, offset, entry);
  }
  return false;
}

}  // namespace

HRSRC FindModuleResource(HMODULE module, const char* type, const char* name, WORD language) {
  for (const posix::ResourceImage& image : posix::LoadedModuleResourceImages(module)) {
    std::size_t offset = 0;
    for (std::size_t at = offset;; at = offset) {
      ResEntry entry;
      if (!NextResEntry(image.data, image.size, offset, entry)) break;
      if (entry.language == language && ResIdMatches(entry.type, type) &&
          ResIdMatches(entry.name, name)) {
        return reinterpret_cast<HRSRC>(const_cast<BYTE*>(image.data + at));
      }
    }
  }
  return nullptr;
}

const void* LockModuleResource(HMODULE module, HRSRC resource) {
  ResEntry entry;
  return EntryAt(module, resource, entry) ? entry.data : nullptr;
}

DWORD ModuleResourceSize(HMODULE module, HRSRC resource) {
  ResEntry entry;
  return EntryAt(module, resource, entry) ? entry.size : 0;
}

}  // namespace corekit::platform
