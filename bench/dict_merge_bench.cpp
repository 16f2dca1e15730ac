// dict merge beside GNU gettext's msgmerge on the same texts as a .po file: a dictionary of 50,000
// translated texts (about 5 MB) brought up to a template with 2,000 texts new and 2,000 gone.
// msgmerge runs as the program translators call, without fuzzy matching, which dict merge does
// not do either. POSIX only, as the peer is.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <sstream>

#include "bench/dict_bench_files.h"
#include "tools/dict_merge.h"

namespace {

using dict_bench::English;
using dict_bench::Folder;
using dict_bench::German;
using dict_bench::Quoted;
using dict_bench::Texts;

constexpr long Changed = 2000;

// The template's texts: the first Changed are gone, as many new ones come first.
template <typename Write>
void TemplateTexts(Write write) {
  for (long i = 0; i < Changed; ++i) write(Texts + i, "New text " + std::to_string(i));
  for (long i = Changed; i < Texts; ++i) write(i, English(i));
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
    corekit::tool::WriteDictOutput((folder / "merged.txt").string(),
                                   [&](corekit::tool::DictSink& sink) {
                                     corekit::tool::MergeDictionaries(std::move(readTemplate), read,
                                                                      sink);
                                   },
                                   none);
  }
}
BENCHMARK(DictMergeCorekit)->Name("DictMerge/corekit")->Unit(benchmark::kMillisecond);

void DictMergePeer(benchmark::State& state) {
  const std::filesystem::path folder = Folder();
  {
    std::ofstream po(folder / "dict.po", std::ios::binary), pot(folder / "template.pot");
    dict_bench::WritePoHeader(po);
    dict_bench::WritePoHeader(pot);
    for (long i = 0; i < Texts; ++i) {
      po << "\n# note " << i << "\n#: string" << i << "\nmsgid \"" << English(i) << "\"\nmsgstr \""
         << German(i) << "\"\n";
    }
    TemplateTexts([&](long id, const std::string& text) {
      pot << "\n#: string" << id << "\nmsgid \"" << text << "\"\nmsgstr \"\"\n";
    });
  }
  const std::string command = "msgmerge -q --no-fuzzy-matching -o " + Quoted(folder / "merged.po") +
                              " " + Quoted(folder / "dict.po") + " " +
                              Quoted(folder / "template.pot");
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("msgmerge (Debian package gettext) is needed");
      return;
    }
  }
}
BENCHMARK(DictMergePeer)->Name("DictMerge/peer")->Unit(benchmark::kMillisecond);

}  // namespace
