#pragma once

#include <map>
#include <memory>
#include <mutex>

#include "corekit/core/kstring.h"
#include "corekit/platform/types.h"
#include "corekit/translate/translation_dict.h"

// The process's loaded dictionaries, by file path. A path is read once, at its first use, and kept
// (a missing file as an empty dictionary) until the library unloads. Internal to the library.
class TTranslationCache {
public:
  // The process's cache, made at first use.
  static TTranslationCache& Instance();

  // The dictionary of GetDictionaryPath(first, second, name), loaded if this is the path's first
  // use. The cache keeps it.
  TTranslationDict* GetDict(WORD firstLanguage, WORD secondLanguage, const char* name);

private:
  std::mutex m_lock;
  std::map<KString, std::unique_ptr<TTranslationDict>> m_dictionaries;
};
