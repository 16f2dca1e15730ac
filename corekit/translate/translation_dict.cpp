#include "corekit/translate/translation_dict.h"

#include <cstring>
#include <string>

#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/text_file.h"

KString UnescapeDictionaryText(const char* first, const char* end) {
  KString text(first, 0, static_cast<int>(end - first));
  if (std::memchr(first, '\\', static_cast<std::size_t>(end - first)) == nullptr) return text;
  text.Replace("\\n", "\n");
  text.Replace("\\t", "\t");
  text.Replace("\\r", "\r");
  text.Replace("\\\\", "\\");
  return text;
}

bool NextDictionaryPair(const char* text, TDictionaryPair& pair) {
  using corekit::platform::MultibyteFind;
  pair.keyOpen = MultibyteFind(text, '[');
  pair.keyClose = pair.keyOpen != nullptr ? MultibyteFind(pair.keyOpen + 1, ']') : nullptr;
  pair.valueOpen = pair.keyClose != nullptr ? MultibyteFind(pair.keyClose + 1, '[') : nullptr;
  pair.valueClose = pair.valueOpen != nullptr ? MultibyteFind(pair.valueOpen + 1, ']') : nullptr;
  return pair.valueClose != nullptr;
}

bool TTranslationDict::LoadFromFile(const KString& path) {
  std::string content;
  if (!corekit::platform::ReadTextFile(path, content)) return false;
  AddPairs(content.c_str());
  return true;
}

void TTranslationDict::AddPairs(const char* text) {
  TDictionaryPair pair;
  for (const char* at = text; NextDictionaryPair(at, pair); at = pair.valueClose + 1) {
    const KString key = UnescapeDictionaryText(pair.keyOpen + 1, pair.keyClose);
    const KString value = UnescapeDictionaryText(pair.valueOpen + 1, pair.valueClose);
    m_forward.Insert(key, value);  // an existing key keeps its first value
    m_reverse.Insert(value, key);
  }
}

const KString* TTranslationDict::Find(const KString& text, bool reverse) const {
  return (reverse ? m_reverse : m_forward).Find(text);
}

KString TTranslationDict::Lookup(const KString& text, bool reverse) const {
  const KString* const value = Find(text, reverse);
  return value != nullptr ? *value : KString();
}
