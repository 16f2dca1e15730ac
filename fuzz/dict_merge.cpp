// dict merge over a template and a dictionary (the input split at its first zero byte): merging
// the result again gives the same bytes, and every translation and note of the dictionary is in
// the result, live, beside a review mark or obsolete.

#include "tools/dict_merge.h"

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "fuzz/expect.h"

namespace {

using corekit::tool::DictDocument;
using corekit::tool::DictEntry;

// The translations of the first entry of each key, and of every obsolete text.
std::set<std::string> Held(const DictDocument& document) {
  std::set<std::string> held;
  std::vector<const DictEntry*> counted;
  for (const auto& [key, index] : corekit::tool::FirstEntryOfEachKey(document.entries))
    counted.push_back(&document.entries[index]);
  for (const DictEntry& entry : document.obsolete) counted.push_back(&entry);
  for (const DictEntry* entry : counted) {
    if (!entry->value.empty()) held.insert("value " + entry->value);
    for (const std::string& line : entry->comments) {
      if (entry->value.empty() && line.starts_with("#| old translation: ") && line.size() > 20)
        held.insert("value " + corekit::tool::UnescapeCommentText(line.substr(20)));
    }
  }
  return held;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\0');
  if (split == std::string::npos) return 0;
  const DictDocument templ = corekit::tool::ParseDictDocument(bytes.substr(0, split));
  const DictDocument dictionary = corekit::tool::ParseDictDocument(bytes.substr(split + 1));
  const std::string merged =
      corekit::tool::WriteDictDocument(corekit::tool::MergeDictionaries(templ, dictionary));
  const DictDocument reread = corekit::tool::ParseDictDocument(merged);
  EXPECT(corekit::tool::WriteDictDocument(corekit::tool::MergeDictionaries(templ, reread)) ==
         merged);
  const std::set<std::string> kept = Held(reread);
  for (const std::string& held : Held(dictionary)) EXPECT(kept.contains(held));
  return 0;
}
