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

std::string EscapeDictionaryText(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const char* const escape = c == '\\'   ? "\\\\"
                               : c == '\n' ? "\\n"
                               : c == '\t' ? "\\t"
                               : c == '\r' ? "\\r"
                                           : nullptr;
    if (escape != nullptr) {
      escaped += escape;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string DictionaryPairLine(std::string_view key, std::string_view value) {
  return "[" + EscapeDictionaryText(key) + "][" + EscapeDictionaryText(value) + "]\n";
}

bool DictionaryTextWritable(std::string_view text) {
  if (text.find_first_of(std::string_view("\0\x1a", 2)) != std::string_view::npos) return false;
  const std::string written = DictionaryPairLine(text, {});
  TDictionaryPair pair;
  if (!NextDictionaryPair(written.c_str(), pair) ||
      pair.valueClose != written.c_str() + written.size() - 2)
    return false;
  const KString read = UnescapeDictionaryText(pair.keyOpen + 1, pair.keyClose);
  return std::string_view(static_cast<const char*>(read),
                          static_cast<std::size_t>(read.GetLength())) == text;
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
