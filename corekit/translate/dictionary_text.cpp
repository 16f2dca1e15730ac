#include "corekit/translate/dictionary_text.h"

#include <cstring>

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

bool ReadDictionaryFile(const char* path, std::string& content) {
  return corekit::platform::ReadTextFile(path, content);
}

std::size_t FindInvalidMultibyte(const char* text, std::size_t size) {
  return corekit::platform::MultibyteInvalidAt(text, size);
}
