#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

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
  // use. The cache keeps it. A request seen before is answered without building the path again.
  TTranslationDict* GetDict(WORD firstLanguage, WORD secondLanguage, const char* name);

private:
  // A request as the path depends on it: the two languages (the second by its primary language)
  // and the name, empty for the library's own dictionary.
  struct Request {
    WORD first;
    WORD folder;
    std::string_view name;
  };
  struct StoredRequest {
    WORD first;
    WORD folder;
    std::string name;
  };
  struct RequestOrder {
    using is_transparent = void;
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const noexcept {
      if (a.first != b.first) return a.first < b.first;
      if (a.folder != b.folder) return a.folder < b.folder;
      return std::string_view(a.name) < std::string_view(b.name);
    }
  };

  using Requests = std::map<StoredRequest, TTranslationDict*, RequestOrder>;

  std::mutex m_lock;
  std::map<KString, std::unique_ptr<TTranslationDict>> m_dictionaries;
  Requests m_requests;
  // The request answered last, an entry of m_requests (whose entries stay where they are until the
  // cache ends): a program asks for the same dictionary again and again, and finds it here without
  // taking the lock.
  std::atomic<const Requests::value_type*> m_last{nullptr};
};
