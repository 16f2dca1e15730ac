// The dict commands' dictionary documents: a text read as a document holds the pairs the library
// reads (the first of a key wins), and a document whose texts can all be written reads back, after
// writing, with the same pairs and obsolete texts.

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const DictDocument document = corekit::tool::ParseDictDocument(bytes);

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
