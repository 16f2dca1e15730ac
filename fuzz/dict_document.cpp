// The dict commands' dictionary documents: a text read as a document holds the pairs the library
// reads (the first of a key wins), read in pieces it gives the same document with the same lines,
// and a document whose texts can all be written reads back, after writing, with the same pairs and
// obsolete texts.

#include "tools/dict_document.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "corekit/translate/dictionary_text.h"
#include "corekit/translate/translation_dict.h"
#include "fuzz/expect.h"

namespace {

using corekit::tool::DictDocument;
using corekit::tool::DictEntry;

bool Writable(const std::vector<DictEntry>& entries) {
  return std::all_of(entries.begin(), entries.end(), [](const DictEntry& entry) {
    return DictionaryTextWritable(entry.key) && DictionaryTextWritable(entry.value);
  });
}

bool SamePairs(const std::vector<DictEntry>& a, const std::vector<DictEntry>& b) {
  return std::equal(
      a.begin(), a.end(), b.begin(), b.end(),
      [](const DictEntry& x, const DictEntry& y) { return x.key == y.key && x.value == y.value; });
}

// The document of bytes fed to the parser as a file reader hands them on: in pieces of step bytes
// up to the first zero byte, each time with what the last feed left.
DictDocument ReadInPieces(const std::string& bytes, std::size_t step) {
  const std::string file = bytes.substr(0, bytes.find('\0'));
  corekit::tool::DictParser parser;
  DictDocument document;
  std::string text;
  for (std::size_t at = 0; at <= file.size(); at += step) {
    text += file.substr(at, step);
    const bool last = at + step > file.size();
    text.erase(0, parser.Feed(text, last, document));
  }
  return document;
}

template <typename Item>
std::vector<int> Lines(const std::vector<Item>& items) {
  std::vector<int> lines;
  for (const Item& item : items) lines.push_back(item.line);
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const DictDocument document = corekit::tool::ParseDictDocument(bytes);

  const DictDocument pieces = ReadInPieces(bytes, size == 0 ? 1 : 1 + data[0] % 16);
  EXPECT(corekit::tool::WriteDictDocument(pieces) == corekit::tool::WriteDictDocument(document));
  EXPECT(Lines(pieces.entries) == Lines(document.entries));
  EXPECT(Lines(pieces.strays) == Lines(document.strays));

  TTranslationDict dictionary;
  dictionary.AddPairs(bytes.c_str());
  for (const auto& [key, index] : corekit::tool::FirstEntryOfEachKey(document.entries)) {
    const KString value =
        dictionary.Lookup(KString(key.data(), 0, static_cast<int>(key.size())), false);
    EXPECT(std::string(value, static_cast<std::size_t>(value.GetLength())) ==
           document.entries[index].value);
  }

  if (!Writable(document.entries)) return 0;
  const DictDocument again =
      corekit::tool::ParseDictDocument(corekit::tool::WriteDictDocument(document));
  EXPECT(SamePairs(again.entries, document.entries));
  EXPECT(SamePairs(again.obsolete, document.obsolete));
  return 0;
}
