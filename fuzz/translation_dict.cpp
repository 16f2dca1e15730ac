// Dictionary files: the bytes are parsed as a dictionary text directly and read back from a file
// (text mode, so CR LF and 0x1A count), and every pair found by a plain reference parser must be
// looked up in both directions with the first pair of a key winning.

#include "corekit/translate/translation_dict.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "corekit/util/split_path.h"
#include "fuzz/expect.h"

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

std::string Unescaped(const std::string& text) {
  std::string result = ReplaceAll(text, "\\n", "\n");
  result = ReplaceAll(result, "\\t", "\t");
  result = ReplaceAll(result, "\\r", "\r");
  return ReplaceAll(result, "\\\\", "\\");
}

struct Maps {
  std::map<std::string, std::string> forward;
  std::map<std::string, std::string> reverse;
};

// The pairs of a text up to its first zero byte, the first pair of a key kept.
Maps ReferencePairs(const std::string& bytes) {
  const std::string text = bytes.substr(0, bytes.find('\0'));
  Maps maps;
  std::size_t at = 0;
  while (true) {
    const std::size_t keyOpen = text.find('[', at);
    if (keyOpen == std::string::npos) break;
    const std::size_t keyClose = text.find(']', keyOpen + 1);
    if (keyClose == std::string::npos) break;
    const std::size_t valueOpen = text.find('[', keyClose + 1);
    if (valueOpen == std::string::npos) break;
    const std::size_t valueClose = text.find(']', valueOpen + 1);
    if (valueClose == std::string::npos) break;
    const std::string key = Unescaped(text.substr(keyOpen + 1, keyClose - keyOpen - 1));
    const std::string value = Unescaped(text.substr(valueOpen + 1, valueClose - valueOpen - 1));
    maps.forward.emplace(key, value);
    maps.reverse.emplace(value, key);
    at = valueClose + 1;
  }
  return maps;
}

// What the C library's text mode delivers: the text ends at 0x1A, and CR LF reads as LF.
std::string TextMode(const std::string& bytes) {
  return ReplaceAll(bytes.substr(0, bytes.find('\x1A')), "\r\n", "\n");
}

void Check(const TTranslationDict& dictionary, const Maps& expected) {
  for (const auto& [key, value] : expected.forward) {
    EXPECT(dictionary.Lookup(key.c_str(), false) == value.c_str());
  }
  for (const auto& [key, value] : expected.reverse) {
    EXPECT(dictionary.Lookup(key.c_str(), true) == value.c_str());
  }
}

// A file of the temporary folder for the dictionary text, made once per process and removed at
// its end.
struct ScratchFile {
  KString path = TSplitPath(TSplitPath::NewTempFile).Canonical();
  ~ScratchFile() { std::remove(path); }
};

const KString& DictionaryFile() {
  static const ScratchFile file;
  return file.path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  TTranslationDict parsed;
  parsed.AddPairs(bytes.c_str());
  Check(parsed, ReferencePairs(bytes));

  // A new file each time: truncating the old one would make some file systems write it to disk.
  std::remove(DictionaryFile());
  std::FILE* file = std::fopen(DictionaryFile(), "wb");
  EXPECT(file != nullptr);
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
  TTranslationDict loaded;
  EXPECT(loaded.LoadFromFile(DictionaryFile()));
  Check(loaded, ReferencePairs(TextMode(bytes)));
  return 0;
}
