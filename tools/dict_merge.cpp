#include "tools/dict_merge.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "corekit/translate/dictionary_text.h"

namespace corekit::tool {
namespace {

constexpr const char* OldTranslationPrefix = "#| old translation: ";

// Lines the tools write themselves: the template's comments and its "# ---- group ----" headings.
// An entry's translator notes are its other "#" lines.
class TemplateLines {
public:
  explicit TemplateLines(const DictDocument& templ) {
    for (const DictEntry& entry : templ.entries) Add(entry.comments);
    Add(templ.trailing);
    Add(templ.header);
  }
  bool IsNote(const std::string& line) const {
    const bool heading = line.rfind("# ---- ", 0) == 0 && line.ends_with(" ----");
    return IsTranslatorNote(line) && !heading && !m_lines.contains(line);
  }

  bool HasNote(const DictEntry& entry) const {
    return std::any_of(entry.comments.begin(), entry.comments.end(),
                       [this](const std::string& line) { return IsNote(line); });
  }

private:
  // Only the lines that would otherwise count as notes (not the "#: " references) are kept.
  void Add(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
      if (IsTranslatorNote(line)) m_lines.insert(line);
    }
  }

  std::set<std::string> m_lines;
};

// The translator's notes of an old entry and, when asked, its review lines.
// The lines entry has from the template already are not taken again.
void KeepLines(const TemplateLines& tool, const DictEntry& old, bool review, DictEntry& entry) {
  std::map<std::string, int> own;
  for (const std::string& line : entry.comments) ++own[line];
  for (const std::string& line : old.comments) {
    if (const auto known = own.find(line); known != own.end() && known->second > 0) {
      --known->second;
    } else if (tool.IsNote(line) || (review && IsReviewLine(line))) {
      entry.comments.push_back(line);
    }
  }
}

// The translation an entry holds: its own, else the old one beside a review mark (as written in
// the comment line), else empty.
std::string HeldTranslation(const DictEntry& entry) {
  if (!entry.value.empty()) return entry.value;
  for (const std::string& line : entry.comments) {
    if (line.starts_with(OldTranslationPrefix) && line.size() > std::strlen(OldTranslationPrefix))
      return line.substr(std::strlen(OldTranslationPrefix));
  }
  return {};
}

// True when the entry holds a translation.
bool HoldsTranslation(const DictEntry& entry) { return !HeldTranslation(entry).empty(); }

// The review mark of entry with the old English and translation beside it.
void AddReviewMark(const DictEntry& old, DictEntry& entry) {
  entry.comments.push_back("#, review: the English text changed");
  entry.comments.push_back("#| old English: " + EscapeCommentText(old.key));
  entry.comments.push_back(OldTranslationPrefix + EscapeCommentText(old.value));
}

// Marks entry for review against old, the text it replaces, whose notes it takes. An old entry
// still waiting for its translation passes on the mark it has, which names the text translated.
void MarkForReview(const TemplateLines& tool, const DictEntry& old, DictEntry& entry) {
  KeepLines(tool, old, old.value.empty(), entry);
  if (!old.value.empty()) AddReviewMark(old, entry);
}

// The texts of an entry's "#: " lines, as views of them.
std::vector<std::string_view> ReferenceViews(const DictEntry& entry) {
  std::vector<std::string_view> references;
  for (const std::string& comment : entry.comments) {
    if (comment.starts_with("#: ")) references.push_back(std::string_view(comment).substr(3));
  }
  return references;
}

// The dictionary entries that count by the resources they name, each list in file order. Those
// whose text is gone are taken once; those still in the template lend their translation.
class EntriesByReference {
public:
  void Add(std::string_view reference, std::size_t index) {
    m_lists[reference].entries.push_back(index);
  }

  // The first entry not yet taken that names one of the references, or npos.
  std::size_t First(const std::vector<std::string_view>& references,
                    const std::vector<bool>& taken) {
    std::size_t first = npos;
    for (const std::string_view reference : references) {
      const auto found = m_lists.find(reference);
      if (found == m_lists.end()) continue;
      List& list = found->second;
      while (list.next < list.entries.size() && taken[list.entries[list.next]]) ++list.next;
      if (list.next < list.entries.size()) first = std::min(first, list.entries[list.next]);
    }
    return first;
  }

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
  struct List {
    std::vector<std::size_t> entries;
    std::size_t next = 0;  // entries before it are taken
  };
  std::unordered_map<std::string_view, List> m_lists;  // views of the dictionary's lines
};

}  // namespace

void MergeDictionaries(DictDocument templ, const DictDocument& dictionary, DictSink& merged) {
  const auto current = FirstEntryOfEachKey(dictionary.entries);
  const auto obsolete = FirstEntryOfEachKey(dictionary.obsolete);
  const TemplateLines tool(templ);
  // The dictionary entries that count: the first of their key, holding a translation or a note.
  std::vector<bool> taken(dictionary.entries.size(), true);
  EntriesByReference gone, present;
  // The template's entries move into the result, so its keys are looked up before.
  std::vector<bool> firstInTemplate(templ.entries.size(), false);
  {
    const auto inTemplate = FirstEntryOfEachKey(templ.entries);
    // Only the resources of new texts are looked up: those that the dictionary lacks.
    std::unordered_set<std::string_view> newReferences;
    for (const auto& [key, index] : inTemplate) {
      firstInTemplate[index] = true;
      if (current.contains(key)) continue;
      for (const std::string_view reference : ReferenceViews(templ.entries[index]))
        newReferences.insert(reference);
    }
    for (std::size_t i = 0; i < dictionary.entries.size(); ++i) {
      const DictEntry& old = dictionary.entries[i];
      if (current.at(old.key) != i || !(HoldsTranslation(old) || tool.HasNote(old))) continue;
      taken[i] = false;
      for (const std::string_view reference : ReferenceViews(old)) {
        if (!newReferences.contains(reference)) continue;
        if (!inTemplate.contains(old.key)) {
          gone.Add(reference, i);
        } else if (!old.value.empty()) {
          present.Add(reference, i);
        }
      }
    }
  }
  const std::vector<bool> lent(dictionary.entries.size(), false);  // lending takes nothing
  std::vector<bool> back(dictionary.obsolete.size(), false);       // revived obsolete texts

  merged.Header(dictionary.header.empty() ? templ.header : dictionary.header);
  for (std::size_t t = 0; t < templ.entries.size(); ++t) {
    if (!firstInTemplate[t]) continue;  // a key the template repeats is taken once
    DictEntry entry = std::move(templ.entries[t]);
    entry.value.clear();  // a new text comes empty, whatever the template holds
    if (const auto kept = current.find(entry.key); kept != current.end()) {
      const DictEntry& old = dictionary.entries[kept->second];
      entry.value = old.value;
      taken[kept->second] = true;
      KeepLines(tool, old, true, entry);  // a review mark stays until the translator clears it
    } else if (const auto revived = obsolete.find(entry.key);
               revived != obsolete.end() &&
               DictionaryTextWritable(dictionary.obsolete[revived->second].value)) {
      const DictEntry& old = dictionary.obsolete[revived->second];
      back[revived->second] = true;
      entry.value = old.value;
      KeepLines(tool, old, true, entry);
    } else {
      const std::vector<std::string_view> references = ReferenceViews(entry);
      if (const std::size_t i = gone.First(references, taken); i != EntriesByReference::npos) {
        taken[i] = true;
        MarkForReview(tool, dictionary.entries[i], entry);
      } else if (const std::size_t j = present.First(references, lent);
                 j != EntriesByReference::npos) {
        // A shared English text whose one resource changed: its translation is a start.
        AddReviewMark(dictionary.entries[j], entry);
      }
    }
    merged.Entry(entry);
  }
  templ.entries = {};
  merged.Trailing(templ.trailing);

  // Each obsolete translation once; one of a text that is back stays for reference.
  std::set<std::pair<std::string, std::string>> obsoletePairs;
  for (std::size_t i = 0; i < dictionary.entries.size(); ++i) {
    if (taken[i]) continue;
    const DictEntry& old = dictionary.entries[i];
    DictEntry entry{old.key, old.value, old.line, {}};
    for (const std::string& line : old.comments) {
      if (line.rfind("#: ", 0) == 0 || IsReviewLine(line) || tool.IsNote(line)) {
        entry.comments.push_back(line);
      }
    }
    merged.Obsolete(entry);
    obsoletePairs.emplace(old.key, HeldTranslation(old));
  }
  for (std::size_t i = 0; i < dictionary.obsolete.size(); ++i) {
    const DictEntry& old = dictionary.obsolete[i];
    if (!back[i] && obsoletePairs.emplace(old.key, HeldTranslation(old)).second) {
      merged.Obsolete(old);
    }
  }
}

DictDocument MergeDictionaries(DictDocument templ, const DictDocument& dictionary) {
  // Collects the parts into a document.
  class Collector final : public DictSink {
  public:
    void Header(const std::vector<std::string>& lines) override { document.header = lines; }
    void Entry(const DictEntry& entry) override { document.entries.push_back(entry); }
    void Trailing(const std::vector<std::string>& lines) override { document.trailing = lines; }
    void Obsolete(const DictEntry& entry) override { document.obsolete.push_back(entry); }
    DictDocument document;
  } collector;
  MergeDictionaries(std::move(templ), dictionary, collector);
  return std::move(collector.document);
}

}  // namespace corekit::tool
