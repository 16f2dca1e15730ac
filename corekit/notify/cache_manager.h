#pragma once

#include <memory>
#include <vector>

#include "corekit/export.h"

class TCacheBase;

namespace corekit::internal {
void EndCacheManager();
}

// The registry of the process's caches, in registration order, used through GetManager. It posts
// every registration, unregistration and update of a cache to the targets of cache posts.
class COREKIT_API TCacheManager {
public:
  // The registered caches; the manager does not own them.
  class CacheList : public std::vector<TCacheBase*> {};

  // An empty registry; applications use the process's one, GetManager.
  TCacheManager();
  // Ends registration for the whole process (later caches are not listed and post nothing) and
  // drops the list; the caches themselves are left alone.
  ~TCacheManager();
  TCacheManager(const TCacheManager&) = delete;
  TCacheManager& operator=(const TCacheManager&) = delete;

  // The process's manager, made at the first call; the same object also after the library's unload
  // has ended it.
  static TCacheManager& GetManager();

  // Appends the cache and posts CacheRegistered; nothing once the manager has ended.
  static void Register(TCacheBase& cache);
  // Removes the cache's first entry, if any, and posts CacheUnRegistered; nothing once the manager
  // has ended.
  static void UnRegister(TCacheBase& cache);

  // The number of registered caches.
  int GetCachesCount() const;
  // The cache at index; std::invalid_argument for an index outside 0 to count - 1.
  const TCacheBase* GetCache(int index) const;

  // Flushes every cache that needs it, in list order; caches registered meanwhile are visited too.
  void Flush();
  static void FlushCaches();

  // Posts CacheUpdated for the cache, whether or not it is listed and also after the manager ended.
  void OnCacheUpdate(TCacheBase& cache);

private:
  friend void corekit::internal::EndCacheManager();
  // What the destructor does, without ending the object's lifetime: the process's manager stays
  // addressable after the library's unload has ended it.
  void End();

  std::unique_ptr<CacheList> m_list;
  static bool Destr;
};
