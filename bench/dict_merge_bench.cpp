// dict merge beside GNU gettext's msgmerge on the same texts as a .po file: a dictionary of 50,000
// translated texts (about 5 MB) brought up to a template with 2,000 texts new and 2,000 gone.
// msgmerge runs as the program translators call, without fuzzy matching, which dict merge does
// not do either. POSIX only, as the peer is.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/dict_merge.h"

namespace {

constexpr long Texts = 50000;
constexpr long Changed = 2000;

std::string English(long i) {
  return "English text number " + std::to_string(i) + " of the module";
}
std::string German(long i) { return "Deutscher Text Nummer " + std::to_string(i) + " des Moduls"; }

// The template's texts: the first Changed are gone, as many new ones come first.
template <typename Write>
void TemplateTexts(Write write) {
  for (long i = 0; i < Changed; ++i) write(Texts + i, "New text " + std::to_string(i));
  for (long i = Changed; i < Texts; ++i) write(i, English(i));
}

std::filesystem::path Folder() {
  const std::filesystem::path folder = std::filesystem::current_path() / "dict_merge_bench";
  std::filesystem::create_directories(folder);
  return folder;
}

void DictMergeCorekit(benchmark::State& state) {
  std::ostringstream dictionary, templ;
  for (long i = 0; i < Texts; ++i) {
    dictionary << "#: string " << i << "\n# note " << i << "\n[" << English(i) << "][" << German(i)
               << "]\n";
  }
  TemplateTexts([&](long id, const std::string& text) {
    templ << "#: string " << id << "\n[" << text << "][]\n";
  });
  const std::filesystem::path folder = Folder();
  std::ofstream(folder / "dict.txt", std::ios::binary) << dictionary.str();
  std::ofstream(folder / "template.txt", std::ios::binary) << templ.str();
  for (auto _ : state) {
    corekit::tool::DictDocument read, readTemplate;
    corekit::tool::ReadDictDocument((folder / "dict.txt").string(), read);
    corekit::tool::ReadDictDocument((folder / "template.txt").string(), readTemplate);
    std::ostringstream none;
    corekit::tool::WriteDictOutput(
        (folder / "merged.txt").string(),
        corekit::tool::WriteDictDocument(corekit::tool::MergeDictionaries(readTemplate, read)),
        none);
  }
}
BENCHMARK(DictMergeCorekit)->Name("DictMerge/corekit")->Unit(benchmark::kMillisecond);

void DictMergePeer(benchmark::State& state) {
  const std::filesystem::path folder = Folder();
  {
    std::ofstream po(folder / "dict.po", std::ios::binary), pot(folder / "template.pot");
    const char* const header =
        "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    po << header;
    pot << header;
    for (long i = 0; i < Texts; ++i) {
      po << "\n# note " << i << "\n#: string" << i << "\nmsgid \"" << English(i) << "\"\nmsgstr \""
         << German(i) << "\"\n";
    }
    TemplateTexts([&](long id, const std::string& text) {
      pot << "\n#: string" << id << "\nmsgid \"" << text << "\"\nmsgstr \"\"\n";
    });
  }
  const std::string command =
      "msgmerge -q --no-fuzzy-matching -o '" + (folder / "merged.po").string() + "' '" +
      (folder / "dict.po").string() + "' '" + (folder / "template.pot").string() + "'";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("msgmerge (Debian package gettext) is needed");
      return;
    }
  }
}
BENCHMARK(DictMergePeer)->Name("DictMerge/peer")->Unit(benchmark::kMillisecond);

}  // namespace
