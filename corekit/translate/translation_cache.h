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

// The dictionary path of a language pair in the folder root (ending with a separator) that holds
// the language folders, or in the application folder's Translate folder when root is empty; as
// GetDictionaryPath describes it.
KString DictionaryPathIn(const KString& root, WORD firstLanguage, WORD secondLanguage,
                         const char* name);

// The process's loaded dictionaries, by file path. A path is read once, at its first use, and kept
// (a missing file as an empty dictionary) until the library unloads. Internal to the library.
class TTranslationCache {
public:
  // The process's cache, made at first use.
  static TTranslationCache& Instance();

  // The dictionary of GetDictionaryPath(first, second, name), loaded if this is the path's first
  // use. The cache keeps it. A request seen before is answered without building the path again.
  TTranslationDict* GetDict(WORD firstLanguage, WORD secondLanguage, const char* name);

  // The folder of the language folders (ending with a separator), empty for the application
  // folder's Translate folder; and a new one, for the requests after this call.
  KString Folder();
  void SetFolder(const KString& folder);

private:
  // A request as the path depends on it: the folder it was made in (a count of SetFolder calls),
  // the two languages (the second by its primary language) and the name, empty for the library's
  // own dictionary.
  struct Request {
    unsigned root;
    WORD first;
    WORD folder;
    std::string_view name;
  };
  struct StoredRequest {
    unsigned root;
    WORD first;
    WORD folder;
    std::string name;
  };
  struct RequestOrder {
    using is_transparent = void;
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const noexcept {
      if (a.root != b.root) return a.root < b.root;
      if (a.first != b.first) return a.first < b.first;
      if (a.folder != b.folder) return a.folder < b.folder;
      return std::string_view(a.name) < std::string_view(b.name);
    }
  };

  using Requests = std::map<StoredRequest, TTranslationDict*, RequestOrder>;

  std::mutex m_lock;
  std::map<KString, std::unique_ptr<TTranslationDict>> m_dictionaries;
  Requests m_requests;
  KString m_folder;
  std::atomic<unsigned> m_folderCount{0};
  // The request answered last, an entry of m_requests (whose entries stay where they are until the
  // cache ends): a program asks for the same dictionary again and again, and finds it here without
  // taking the lock.
  std::atomic<const Requests::value_type*> m_last{nullptr};
};
