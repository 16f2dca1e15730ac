#include "corekit/translate/translate_text.h"

#include <utility>

#include "corekit/core/app_info.h"
#include "corekit/core/hex_text.h"
#include "corekit/platform/module_file.h"
#include "corekit/platform/module_handle.h"
#include "corekit/translate/translation_cache.h"
#include "corekit/util/split_path.h"

namespace {

constexpr WORD BaseLanguage = 0x0009;
constexpr WORD PrimaryLanguageMask = 0x3FF;

// The name of the library's own module file, without folder and extension.
KString LibraryTitle() {
  namespace platform = corekit::platform;
  return TSplitPath(platform::ModuleFileName(platform::SelfModule()).c_str())
      .Compose(TSplitPath::NamePart);
}

}  // namespace

WORD GetBaseLanguage() { return BaseLanguage; }

KString DictionaryPathIn(const KString& root, WORD firstLanguage, WORD secondLanguage,
                         const char* name) {
  if (firstLanguage != BaseLanguage) return KString();
  const KString dictionary = name != nullptr && *name != '\0' ? KString(name) : LibraryTitle();
  const std::string folder = HexText(secondLanguage & PrimaryLanguageMask, 1);
  const char separator[] = {corekit::platform::PathSeparator, '\0'};
  const KString base = root.IsEmpty() ? GetAppDir() + "Translate" + separator : root;
  return base + folder.c_str() + separator + dictionary + ".txt";
}

KString GetDictionaryPath(WORD firstLanguage, WORD secondLanguage, const char* name) {
  return DictionaryPathIn(TTranslationCache::Instance().Folder(), firstLanguage, secondLanguage,
                          name);
}

void SetDictionaryFolder(const KString& folder) {
  KString root = folder;
  const int length = root.GetLength();
  const char last = length > 0 ? static_cast<const char*>(root)[length - 1] : '\0';
  if (length > 0 && last != '/' && last != corekit::platform::PathSeparator) {
    const char separator[] = {corekit::platform::PathSeparator, '\0'};
    root = root + separator;
  }
  TTranslationCache::Instance().SetFolder(root);
}

KString TranslateText(const KString& text, WORD fromLanguage, WORD toLanguage, const char* name) {
  bool reverse = false;
  if (fromLanguage != BaseLanguage) {
    std::swap(fromLanguage, toLanguage);
    reverse = true;
  }
  const TTranslationDict* dictionary =
      TTranslationCache::Instance().GetDict(fromLanguage, toLanguage, name);
  if (dictionary == nullptr) return text;
  const KString* const result = dictionary->Find(text, reverse);
  return result == nullptr || result->IsEmpty() ? text : *result;
}
