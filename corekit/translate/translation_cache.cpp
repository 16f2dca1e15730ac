#include "corekit/translate/translation_cache.h"

#include "corekit/translate/translate_text.h"

TTranslationCache& TTranslationCache::Instance() {
  static TTranslationCache cache;
  return cache;
}

TTranslationDict* TTranslationCache::GetDict(WORD firstLanguage, WORD secondLanguage,
                                             const char* name) {
  // The dictionary folder is named by the primary language only.
  const Request request{firstLanguage, static_cast<WORD>(secondLanguage & 0x3FF),
                        name != nullptr ? std::string_view(name) : std::string_view()};
  const std::lock_guard<std::mutex> guard(m_lock);
  const auto known = m_requests.find(request);
  if (known != m_requests.end()) return known->second;

  const KString path = GetDictionaryPath(firstLanguage, secondLanguage, name);
  std::unique_ptr<TTranslationDict>& dictionary = m_dictionaries[path];
  if (!dictionary) {
    dictionary = std::make_unique<TTranslationDict>();
    dictionary->LoadFromFile(path);  // a missing file stays an empty dictionary
  }
  m_requests.emplace(StoredRequest{request.first, request.folder, std::string(request.name)},
                     dictionary.get());
  return dictionary.get();
}
