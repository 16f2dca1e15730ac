#include "corekit/translate/dictionary_text.h"

#include <cstring>

#include "corekit/platform/multibyte_text.h"
#include "corekit/platform/text_file.h"

namespace {

// Replaces each backslash followed by letter with c, where the backslash is a character of its own
// (in double-byte encodings 0x5C may be a trail byte).
std::string ReplaceEscape(const std::string& text, char letter, char c) {
  std::string replaced;
  const char* at = text.c_str();
  for (const char* slash = corekit::platform::MultibyteFind(at, '\\'); slash != nullptr;
       slash = corekit::platform::MultibyteFind(at, '\\')) {
    replaced.append(at, slash);
    replaced += slash[1] == letter ? c : '\\';
    at = slash + (slash[1] == letter ? 2 : 1);
  }
  return replaced.append(at);
}

}  // namespace

KString UnescapeDictionaryText(const char* first, const char* end) {
  if (std::memchr(first, '\\', static_cast<std::size_t>(end - first)) == nullptr)
    return KString(first, 0, static_cast<int>(end - first));
  std::string text(first, end);
  text = ReplaceEscape(text, 'n', '\n');
  text = ReplaceEscape(text, 't', '\t');
  text = ReplaceEscape(text, 'r', '\r');
  text = ReplaceEscape(text, '\\', '\\');
  return KString(text.c_str(), 0, static_cast<int>(text.size()));
}

std::string EscapeDictionaryText(std::string_view text) {
  // Whole characters only: a double-byte character's trail byte 0x5C stays as it is.
  const std::string copy(text);
  std::string escaped;
  escaped.reserve(text.size());
  const char* at = copy.c_str();
  for (const char* special = corekit::platform::MultibyteFindAny(at, "\\\n\t\r");
       special != nullptr; special = corekit::platform::MultibyteFindAny(at, "\\\n\t\r")) {
    escaped.append(at, special);
    escaped += *special == '\\'   ? "\\\\"
               : *special == '\n' ? "\\n"
               : *special == '\t' ? "\\t"
                                  : "\\r";
    at = special + 1;
  }
  // A zero byte, which no dictionary text holds, and what follows it are kept as they are.
  return escaped.append(at, copy.c_str() + copy.size());
}

std::string DictionaryPairLine(std::string_view key, std::string_view value) {
  std::string line(1, '[');
  line += EscapeDictionaryText(key);
  line += "][";
  line += EscapeDictionaryText(value);
  line += "]\n";
  return line;
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
