#include "corekit/translate/translation_dict.h"

#include <cstring>
#include <string>

#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/text_file.h"

namespace {

// A key or value as the dictionary holds it: the escapes replaced, in this order, over the whole
// text (so "\\\\n" becomes a backslash and a line feed).
KString Unescaped(const char* first, const char* end) {
  KString text(first, 0, static_cast<int>(end - first));
  if (std::memchr(first, '\\', static_cast<std::size_t>(end - first)) == nullptr) return text;
  text.Replace("\\n", "\n");
  text.Replace("\\t", "\t");
  text.Replace("\\r", "\r");
  text.Replace("\\\\", "\\");
  return text;
}

}  // namespace

bool TTranslationDict::LoadFromFile(const KString& path) {
  std::string content;
  if (!corekit::platform::ReadTextFile(path, content)) return false;
  AddPairs(content.c_str());
  return true;
}

void TTranslationDict::AddPairs(const char* text) {
  using corekit::platform::MultibyteFind;
  const char* at = text;
  while (true) {
    const char* keyOpen = MultibyteFind(at, '[');
    const char* keyClose = keyOpen != nullptr ? MultibyteFind(keyOpen + 1, ']') : nullptr;
    const char* valueOpen = keyClose != nullptr ? MultibyteFind(keyClose + 1, '[') : nullptr;
    const char* valueClose = valueOpen != nullptr ? MultibyteFind(valueOpen + 1, ']') : nullptr;
    if (valueClose == nullptr) return;
    const KString key = Unescaped(keyOpen + 1, keyClose);
    const KString value = Unescaped(valueOpen + 1, valueClose);
    m_forward.emplace(key, value);  // an existing key keeps its first value
    m_reverse.emplace(value, key);
    at = valueClose + 1;
  }
}

KString TTranslationDict::Lookup(const KString& text, bool reverse) const {
  const std::map<KString, KString>& map = reverse ? m_reverse : m_forward;
  const auto found = map.find(text);
  return found != map.end() ? found->second : KString();
}
