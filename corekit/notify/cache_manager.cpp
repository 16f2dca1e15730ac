#include "corekit/notify/cache_manager.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "corekit/notify/cache_base.h"
#include "corekit/notify/notify_lifetime.h"
#include "corekit/notify/send_post.h"

bool TCacheManager::Destr = false;

namespace {

// The process's manager lives in storage that outlasts it: the library's unload ends it but does
// not end its lifetime, so that caches destroyed later still find it.
TCacheManager& TheManager() {
  alignas(TCacheManager) static unsigned char storage[sizeof(TCacheManager)];
  static TCacheManager* const manager = new (storage) TCacheManager();
  return *manager;
}

// Joins the exit list at the manager's first use.
struct ManagerEnd {
  ~ManagerEnd() { corekit::internal::EndCacheManager(); }
};

}  // namespace

TCacheManager::TCacheManager() : m_list(std::make_unique<CacheList>()) { Destr = false; }

TCacheManager::~TCacheManager() { End(); }

void TCacheManager::End() {
  Destr = true;
  m_list.reset();
}

void corekit::internal::EndCacheManager() { TheManager().End(); }

TCacheManager& TCacheManager::GetManager() {
  static ManagerEnd end;
  return TheManager();
}

void TCacheManager::Register(TCacheBase& cache) {
  if (Destr) return;
  GetManager().m_list->push_back(&cache);
  SendPost(TCachePost(cache, CacheRegistered));
}

void TCacheManager::UnRegister(TCacheBase& cache) {
  if (Destr) return;
  CacheList& list = *GetManager().m_list;
  const auto found = std::find(list.begin(), list.end(), &cache);
  if (found != list.end()) list.erase(found);
  SendPost(TCachePost(cache, CacheUnRegistered));
}

int TCacheManager::GetCachesCount() const { return m_list ? static_cast<int>(m_list->size()) : 0; }

const TCacheBase* TCacheManager::GetCache(int index) const {
  if (index < 0 || index >= GetCachesCount())
    throw std::invalid_argument("cache index out of range");
  return (*m_list)[static_cast<std::size_t>(index)];
}

void TCacheManager::Flush() {
  // The count is read anew at each step: a cache registered by a flush is visited as well.
  for (int i = 0; i < GetCachesCount(); ++i) {
    TCacheBase* const cache = (*m_list)[static_cast<std::size_t>(i)];
    if (cache->NeedsFlush()) cache->FlushCache();
  }
}

void TCacheManager::FlushCaches() { GetManager().Flush(); }

void TCacheManager::OnCacheUpdate(TCacheBase& cache) { SendPost(TCachePost(cache, CacheUpdated)); }
