#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "tools/dict_merge.h"

namespace {

using corekit::tool::DictDocument;
using corekit::tool::DictEntry;

// The translations a document holds, live, obsolete or beside a review mark that waits for a new
// one, and its notes.
std::set<std::string> Held(const DictDocument& document) {
  std::set<std::string> held;
  for (const auto* entries : {&document.entries, &document.obsolete}) {
    for (const DictEntry& entry : *entries) {
      if (!entry.value.empty()) held.insert("value " + entry.value);
      for (const std::string& line : entry.comments) {
        if (entry.value.empty() && line.starts_with("#| old translation: "))
          held.insert("value " + line.substr(20));
        if (corekit::tool::IsTranslatorNote(line) && !line.starts_with("# ----")) held.insert(line);
      }
    }
  }
  return held;
}

// Releases of a module whose twelve strings change, go, come back and share texts; between two
// releases a translator fills, rewrites and annotates texts and clears some review marks. Each
// merge keeps every translation and note, and merging it again changes no byte.
TEST(ToolDictMerge, ReleasesLoseNothingAndRepeat) {
  std::mt19937 random(30);
  const auto chance = [&](unsigned percent) { return random() % 100 < percent; };
  std::string texts[12];
  DictDocument dictionary;
  for (int release = 0; release < 200; ++release) {
    DictDocument templ;
    for (int id = 0; id < 12; ++id) {
      if (chance(25)) texts[id] = "Text " + std::to_string(random() % 20);
      if (texts[id].empty() || chance(15)) continue;  // gone in this release
      DictEntry* entry = nullptr;
      for (DictEntry& known : templ.entries) entry = known.key == texts[id] ? &known : entry;
      if (entry == nullptr) entry = &templ.entries.emplace_back(DictEntry{texts[id], "", 0, {}});
      entry->comments.push_back("#: string " + std::to_string(id));
    }
    if (!templ.entries.empty()) {
      auto& head = templ.entries.front().comments;
      head.insert(head.begin(), {"# Dictionary of the module", "", "# ---- string table ----"});
    }
    templ = corekit::tool::ParseDictDocument(corekit::tool::WriteDictDocument(templ));
    const std::string before = corekit::tool::WriteDictDocument(dictionary);
    const DictDocument merged = corekit::tool::MergeDictionaries(templ, dictionary);
    const std::string written = corekit::tool::WriteDictDocument(merged);
    const std::set<std::string> kept = Held(merged);
    for (const std::string& held : Held(dictionary)) {
      EXPECT_TRUE(kept.contains(held)) << held << " lost in release " << release << ":\n"
                                       << before << "---\n"
                                       << written;
    }
    const DictDocument reread = corekit::tool::ParseDictDocument(written);
    ASSERT_EQ(corekit::tool::WriteDictDocument(corekit::tool::MergeDictionaries(templ, reread)),
              written)
        << "release " << release << ":\n"
        << before;
    dictionary = reread;
    for (DictEntry& entry : dictionary.entries) {
      if (chance(40)) entry.value = "Ü" + std::to_string(random() % 1000);
      if (chance(10)) entry.comments.push_back("# note " + std::to_string(random() % 1000));
      if (chance(30)) std::erase_if(entry.comments, corekit::tool::IsReviewLine);
    }
    dictionary = corekit::tool::ParseDictDocument(corekit::tool::WriteDictDocument(dictionary));
  }
}

}  // namespace
