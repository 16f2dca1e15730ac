#include "corekit/translate/translation_dict.h"

#include <string>

#include "corekit/translate/dictionary_text.h"

bool TTranslationDict::LoadFromFile(const KString& path) {
  std::string content;
  if (!ReadDictionaryFile(path, content)) return false;
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
