#include "corekit/platform/posix/resource_index.h"

#include <link.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "corekit/platform/module_handle.h"
#include "corekit/platform/posix/resource_notes.h"

namespace corekit::platform::posix {
namespace {

// Type and name as index keys: "N" and the number, or "T" and the text in upper case, as
// ResIdMatches compares them. A wanted text or a stored name with characters outside ASCII can
// match nothing and has no key.
bool AddKey(std::string& key, const ResId& id) {
  if (id.isNumber) {
    key += 'N';
    key += std::to_string(id.number);
  } else {
    key += 'T';
    for (std::size_t i = 0; i < id.length; ++i) {
      const char16_t c = id.At(i);
      if (c >= 0x80) return false;
      key += static_cast<char>(c >= u'a' && c <= u'z' ? c - 32 : c);
    }
  }
  key += '\0';
  return true;
}

bool AddKey(std::string& key, const char* wanted) {
  if (wanted == nullptr) return false;
  ResId id;
  if (IS_INTRESOURCE(wanted)) {
    id.isNumber = true;
    id.number = static_cast<WORD>(reinterpret_cast<std::uintptr_t>(wanted));
    return AddKey(key, id);
  }
  // "#123" is the number 123.
  if (wanted[0] == '#' && wanted[1] != '\0') {
    unsigned long number = 0;
    const char* c = wanted + 1;
    for (; *c >= '0' && *c <= '9' && number <= 0xFFFF; ++c) number = number * 10 + (*c - '0');
    if (*c == '\0' && number <= 0xFFFF) {
      id.isNumber = true;
      id.number = static_cast<WORD>(number);
      return AddKey(key, id);
    }
  }
  key += 'T';
  for (const char* c = wanted; *c != '\0'; ++c) {
    if (static_cast<unsigned char>(*c) >= 0x80) return false;
    key += *c >= 'a' && *c <= 'z' ? static_cast<char>(*c - 32) : *c;
  }
  key += '\0';
  return true;
}

void AddLanguage(std::string& key, WORD language) {
  key += static_cast<char>(language & 0xFF);
  key += static_cast<char>(language >> 8);
}

struct ModuleResources {
  std::vector<ResourceImage> images;
  std::unordered_map<std::string, HRSRC> byKey;  // the first resource of each key
};

ModuleResources Read(HMODULE module) {
  ModuleResources resources;
  resources.images = LoadedModuleResourceImages(module);
  for (const ResourceImage& image : resources.images) {
    std::size_t offset = 0;
    for (std::size_t at = offset;; at = offset) {
      ResEntry entry;
      if (!NextResEntry(image.data, image.size, offset, entry)) break;
      std::string key;
      if (!AddKey(key, entry.type) || !AddKey(key, entry.name)) continue;
      AddLanguage(key, entry.language);
      resources.byKey.emplace(std::move(key),
                              reinterpret_cast<HRSRC>(const_cast<BYTE*>(image.data + at)));
    }
  }
  return resources;
}

// How often modules were loaded and unloaded in the process, from the dynamic linker.
struct LoadCounts {
  unsigned long long adds = 0;
  unsigned long long subs = 0;
  bool operator==(const LoadCounts&) const = default;
};

LoadCounts CurrentLoadCounts() {
  LoadCounts counts;
  dl_iterate_phdr(
      [](dl_phdr_info* info, std::size_t, void* context) {
        *static_cast<LoadCounts*>(context) = {info->dlpi_adds, info->dlpi_subs};
        return 1;  // the first module carries the process's counts
      },
      &counts);
  return counts;
}

class ResourceIndex {
public:
  ~ResourceIndex() { s_alive = false; }

  static ResourceIndex* Instance() {
    static ResourceIndex index;
    return s_alive ? &index : nullptr;
  }

  // Runs use(resources of the module) under the index's lock.
  template <typename Use>
  auto With(HMODULE module, Use use) {
    const std::lock_guard<std::mutex> guard(m_lock);
    const LoadCounts counts = CurrentLoadCounts();
    if (!(counts == m_counts)) {
      m_modules.clear();
      m_counts = counts;
    }
    const void* const key = module != nullptr ? module : ExecutableModule();
    auto found = m_modules.find(key);
    if (found == m_modules.end()) found = m_modules.emplace(key, Read(module)).first;
    return use(found->second);
  }

private:
  static inline bool s_alive = true;  // false once the index is destroyed at unload
  std::mutex m_lock;
  LoadCounts m_counts;
  std::map<const void*, ModuleResources> m_modules;
};

HRSRC Find(const ModuleResources& resources, const std::string& key) {
  const auto found = resources.byKey.find(key);
  return found != resources.byKey.end() ? found->second : nullptr;
}

bool EntryIn(const std::vector<ResourceImage>& images, HRSRC handle, ResEntry& entry) {
  const auto* header = reinterpret_cast<const BYTE*>(handle);
  if (header == nullptr) return false;
  for (const ResourceImage& image : images) {
    if (header < image.data || header >= image.data + image.size) continue;
    std::size_t offset = static_cast<std::size_t>(header - image.data);
    return NextResEntry(image.data, image.size, offset, entry);
  }
  return false;
}

}  // namespace

HRSRC FindIndexedResource(HMODULE module, const char* type, const char* name, WORD language) {
  std::string key;
  if (!AddKey(key, type) || !AddKey(key, name)) return nullptr;
  AddLanguage(key, language);
  ResourceIndex* const index = ResourceIndex::Instance();
  if (index == nullptr) return Find(Read(module), key);  // after unload: read afresh
  return index->With(module,
                     [&key](const ModuleResources& resources) { return Find(resources, key); });
}

bool IndexedResourceEntry(HMODULE module, HRSRC handle, ResEntry& entry) {
  ResourceIndex* const index = ResourceIndex::Instance();
  if (index == nullptr) return EntryIn(LoadedModuleResourceImages(module), handle, entry);
  return index->With(module, [&](const ModuleResources& resources) {
    return EntryIn(resources.images, handle, entry);
  });
}

}  // namespace corekit::platform::posix
