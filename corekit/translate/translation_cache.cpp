#include "corekit/translate/translation_cache.h"

TTranslationCache& TTranslationCache::Instance() {
  static TTranslationCache cache;
  return cache;
}

TTranslationDict* TTranslationCache::GetDict(WORD firstLanguage, WORD secondLanguage,
                                             const char* name) {
  // The dictionary folder is named by the primary language only.
  const Request request{m_folderCount.load(std::memory_order_acquire), firstLanguage,
                        static_cast<WORD>(secondLanguage & 0x3FF),
                        name != nullptr ? std::string_view(name) : std::string_view()};
  const RequestOrder order;
  const Requests::value_type* const last = m_last.load(std::memory_order_acquire);
  if (last != nullptr && !order(last->first, request) && !order(request, last->first)) {
    return last->second;
  }
  const std::lock_guard<std::mutex> guard(m_lock);
  const auto known = m_requests.find(request);
  if (known != m_requests.end()) {
    m_last.store(&*known, std::memory_order_release);
    return known->second;
  }

  const KString path = DictionaryPathIn(m_folder, firstLanguage, secondLanguage, name);
  std::unique_ptr<TTranslationDict>& dictionary = m_dictionaries[path];
  if (!dictionary) {
    dictionary = std::make_unique<TTranslationDict>();
    dictionary->LoadFromFile(path);  // a missing file stays an empty dictionary
  }
  const auto added =
      m_requests.emplace(StoredRequest{m_folderCount.load(std::memory_order_relaxed), request.first,
                                       request.folder, std::string(request.name)},
                         dictionary.get());
  m_last.store(&*added.first, std::memory_order_release);
  return dictionary.get();
}

KString TTranslationCache::Folder() {
  const std::lock_guard<std::mutex> guard(m_lock);
  return m_folder;
}

void TTranslationCache::SetFolder(const KString& folder) {
  const std::lock_guard<std::mutex> guard(m_lock);
  m_folder = folder;
  // The requests made so far stay, under the count of the folder they were made in.
  m_folderCount.fetch_add(1, std::memory_order_release);
}
