#include "corekit/translate/translation_cache.h"

#include "corekit/translate/translate_text.h"

TTranslationCache& TTranslationCache::Instance() {
  static TTranslationCache cache;
  return cache;
}

TTranslationDict* TTranslationCache::GetDict(WORD firstLanguage, WORD secondLanguage,
                                             const char* name) {
  const KString path = GetDictionaryPath(firstLanguage, secondLanguage, name);
  const std::lock_guard<std::mutex> guard(m_lock);
  std::unique_ptr<TTranslationDict>& dictionary = m_dictionaries[path];
  if (!dictionary) {
    dictionary = std::make_unique<TTranslationDict>();
    dictionary->LoadFromFile(path);  // a missing file stays an empty dictionary
  }
  return dictionary.get();
}
