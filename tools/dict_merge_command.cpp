#include "tools/dict_merge_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <iterator>
#include <map>
#include <set>

#include "tools/raw_option.h"

namespace corekit::tool {
namespace {

// The translator's notes of an old entry go with its translation.
void KeepNotes(const DictEntry& old, DictEntry& entry) {
  std::copy_if(old.comments.begin(), old.comments.end(), std::back_inserter(entry.comments),
               IsTranslatorNote);
}

bool ShareReference(const DictEntry& a, const DictEntry& b) {
  const std::vector<std::string> theirs = b.References();
  for (const std::string& reference : a.References()) {
    if (std::find(theirs.begin(), theirs.end(), reference) != theirs.end()) return true;
  }
  return false;
}

class DictMergeCommand final : public Command {
public:
  explicit DictMergeCommand(CLI::App& dict)
      : m_app(dict.add_subcommand("merge", "Bring a dictionary up to a new template")) {
    m_app->add_option("template", m_template, "The template from dict extract")
        ->required()
        ->type_name("TEMPLATE");
    m_app->add_option("dictionary", m_dictionary, "The dictionary to bring up to it")
        ->required()
        ->type_name("DICT");
    m_output.option = m_app
                          ->add_option("--output,-o", m_output.text,
                                       "The file to write (default: standard output)")
                          ->type_name("FILE");
  }

  bool Selected() const override { return m_app->parsed(); }

  int Run(std::ostream& out, std::ostream& err) override {
    DictDocument templ, dictionary;
    for (const auto& [path, document] :
         {std::pair{&m_template, &templ}, std::pair{&m_dictionary, &dictionary}}) {
      if (!ReadDictDocument(*path, *document)) {
        err << "corekit: dict merge: cannot read '" << *path << "'\n";
        return ExitUsage;
      }
    }
    if (!WriteDictOutput(m_output.text, WriteDictDocument(MergeDictionaries(templ, dictionary)),
                         out)) {
      err << "corekit: dict merge: cannot write '" << m_output.text << "'\n";
      return ExitFailure;
    }
    return ExitOk;
  }

private:
  CLI::App* m_app;
  std::string m_template, m_dictionary;
  RawOption m_output;
};

}  // namespace

DictDocument MergeDictionaries(const DictDocument& templ, const DictDocument& dictionary) {
  const std::map<std::string, std::size_t> current = FirstEntryOfEachKey(dictionary.entries);
  const std::map<std::string, std::size_t> obsolete = FirstEntryOfEachKey(dictionary.obsolete);
  const std::map<std::string, std::size_t> inTemplate = FirstEntryOfEachKey(templ.entries);
  // A dictionary entry that counts: the first of its key, translated, and whose text is gone.
  const auto gone = [&](std::size_t i) {
    const DictEntry& old = dictionary.entries[i];
    return !old.value.empty() && current.at(old.key) == i && !inTemplate.contains(old.key);
  };
  std::vector<bool> used(dictionary.entries.size(), false);

  DictDocument merged;
  merged.trailing = templ.trailing;
  for (std::size_t t = 0; t < templ.entries.size(); ++t) {
    const DictEntry& text = templ.entries[t];
    if (inTemplate.at(text.key) != t) continue;  // a key the template repeats is taken once
    DictEntry entry = text;
    if (const auto kept = current.find(text.key); kept != current.end()) {
      const DictEntry& old = dictionary.entries[kept->second];
      entry.value = old.value;
      used[kept->second] = true;
      KeepNotes(old, entry);
      if (old.value.empty()) {  // a review still open stays marked
        for (const std::string& line : old.comments) {
          if (IsReviewLine(line)) entry.comments.push_back(line);
        }
      }
    } else if (const auto revived = obsolete.find(text.key); revived != obsolete.end()) {
      entry.value = dictionary.obsolete[revived->second].value;
    } else {
      for (std::size_t i = 0; i < dictionary.entries.size(); ++i) {
        const DictEntry& old = dictionary.entries[i];
        if (used[i] || !gone(i) || !ShareReference(text, old)) continue;
        used[i] = true;
        KeepNotes(old, entry);
        entry.comments.push_back("#, review: the English text changed");
        entry.comments.push_back("#| old English: " + EscapeCommentText(old.key));
        entry.comments.push_back("#| old translation: " + EscapeCommentText(old.value));
        break;
      }
    }
    merged.entries.push_back(std::move(entry));
  }

  std::set<std::string> obsoleteKeys;
  for (std::size_t i = 0; i < dictionary.entries.size(); ++i) {
    if (used[i] || !gone(i)) continue;
    merged.obsolete.push_back(dictionary.entries[i]);
    obsoleteKeys.insert(dictionary.entries[i].key);
  }
  for (const DictEntry& old : dictionary.obsolete) {
    if (!inTemplate.contains(old.key) && obsoleteKeys.insert(old.key).second) {
      merged.obsolete.push_back(old);
    }
  }
  return merged;
}

std::unique_ptr<Command> AddDictMergeCommand(CLI::App& dict) {
  return std::make_unique<DictMergeCommand>(dict);
}

}  // namespace corekit::tool
