#include "corekit/platform/posix/resource_index.h"

#include <link.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "corekit/platform/module_handle.h"
#include "corekit/platform/posix/resource_notes.h"

namespace corekit::platform::posix {
namespace {

using winres::NextResEntry;
using winres::ResEntry;
using winres::ResIdKey;

// The index key of a resource: its type's and name's keys, each ended by a NUL, and the language.
// Nothing when the type or the name can match nothing.
template <typename Id>
std::optional<std::string> IndexKey(const Id& type, const Id& name, WORD language) {
  std::optional<std::string> typeKey = ResIdKey(type);
  const std::optional<std::string> nameKey = ResIdKey(name);
  if (!typeKey || !nameKey) return std::nullopt;
  std::string key = std::move(*typeKey);
  key += '\0';
  key += *nameKey;
  key += '\0';
  key += static_cast<char>(language & 0xFF);
  key += static_cast<char>(language >> 8);
  return key;
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
      std::optional<std::string> key = IndexKey(entry.type, entry.name, entry.language);
      if (!key) continue;
      resources.byKey.emplace(std::move(*key),
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

// The name of a resource of the image, when it is a number or a text of ASCII characters.
std::optional<TResourceName> NameOf(const winres::ResId& id) {
  TResourceName name;
  name.isNumber = id.isNumber;
  name.number = id.number;
  for (std::size_t i = 0; i < id.length; ++i) {
    const char16_t unit = id.At(i);
    if (unit == 0 || unit >= 0x80) return std::nullopt;
    name.text += static_cast<char>(unit);
  }
  return name;
}

std::vector<TResourceName> NamesIn(const std::vector<ResourceImage>& images, WORD type) {
  std::vector<TResourceName> names;
  for (const ResourceImage& image : images) {
    std::size_t offset = 0;
    ResEntry entry;
    while (NextResEntry(image.data, image.size, offset, entry)) {
      if (!entry.type.isNumber || entry.type.number != type) continue;
      std::optional<TResourceName> name = NameOf(entry.name);
      if (name) names.push_back(std::move(*name));
    }
  }
  const auto before = [](const TResourceName& a, const TResourceName& b) {
    if (a.isNumber != b.isNumber) return !a.isNumber;
    return a.isNumber ? a.number < b.number : a.text < b.text;
  };
  const auto same = [](const TResourceName& a, const TResourceName& b) {
    return a.isNumber == b.isNumber && a.number == b.number && a.text == b.text;
  };
  std::stable_sort(names.begin(), names.end(), before);
  names.erase(std::unique(names.begin(), names.end(), same), names.end());
  return names;
}

}  // namespace

std::vector<TResourceName> IndexedResourceNames(HMODULE module, WORD type) {
  ResourceIndex* const index = ResourceIndex::Instance();
  if (index == nullptr) return NamesIn(LoadedModuleResourceImages(module), type);
  return index->With(
      module, [type](const ModuleResources& resources) { return NamesIn(resources.images, type); });
}

HRSRC FindIndexedResource(HMODULE module, const char* type, const char* name, WORD language) {
  const std::optional<std::string> key = IndexKey(type, name, language);
  if (!key) return nullptr;
  ResourceIndex* const index = ResourceIndex::Instance();
  if (index == nullptr) return Find(Read(module), *key);  // after unload: read afresh
  return index->With(module,
                     [&key](const ModuleResources& resources) { return Find(resources, *key); });
}

bool IndexedResourceEntry(HMODULE module, HRSRC handle, ResEntry& entry) {
  ResourceIndex* const index = ResourceIndex::Instance();
  if (index == nullptr) return EntryIn(LoadedModuleResourceImages(module), handle, entry);
  return index->With(module, [&](const ModuleResources& resources) {
    return EntryIn(resources.images, handle, entry);
  });
}

}  // namespace corekit::platform::posix
