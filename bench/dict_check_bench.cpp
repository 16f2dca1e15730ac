// dict stats and dict check beside GNU gettext's msgfmt on the same texts as a .po file: 50,000
// texts with printf placeholders (about 5 MB), one in ten untranslated. The peer of stats is
// `msgfmt --statistics`, that of check `msgfmt -c` (--check: the placeholders of c-format texts,
// the header and the domain); both write their catalogue to /dev/null and run as programs. POSIX
// only, as the peers are.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>

#include "bench/dict_bench_files.h"
#include "tools/dict_check.h"
#include "tools/dict_stats.h"

namespace {

using dict_bench::English;
using dict_bench::German;

// The texts, translated but for every tenth.
template <typename Write>
void Texts(Write write) {
  for (long i = 0; i < dict_bench::Texts; ++i) {
    write(i, English(i) + ": %d of %s", i % 10 == 0 ? "" : German(i) + ": %d von %s");
  }
}

std::string Dictionary() {
  const std::filesystem::path path = dict_bench::Folder() / "check.txt";
  std::ofstream file(path, std::ios::binary);
  Texts([&](long i, const std::string& english, const std::string& german) {
    file << "#: string " << i << "\n[" << english << "][" << german << "]\n";
  });
  return path.string();
}

std::string PoFile() {
  const std::filesystem::path path = dict_bench::Folder() / "check.po";
  std::ofstream po(path, std::ios::binary);
  dict_bench::WritePoHeader(po);
  Texts([&](long i, const std::string& english, const std::string& german) {
    po << "\n#: string" << i << "\n#, c-format\nmsgid \"" << english << "\"\nmsgstr \"" << german
       << "\"\n";
  });
  return dict_bench::Quoted(path);
}

// Runs the peer's command once per iteration.
void RunPeer(benchmark::State& state, const std::string& command) {
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("msgfmt (Debian package gettext) is needed");
      return;
    }
  }
}

void DictStatsCorekit(benchmark::State& state) {
  const std::string path = Dictionary();
  for (auto _ : state) {
    corekit::tool::DictStats stats;
    std::string unread;
    corekit::tool::CountDictionaryFiles(path, "", stats, unread);
    benchmark::DoNotOptimize(stats);
  }
}
BENCHMARK(DictStatsCorekit)->Name("DictStats/corekit")->Unit(benchmark::kMillisecond);

void DictStatsPeer(benchmark::State& state) {
  RunPeer(state, "msgfmt --statistics -o /dev/null " + PoFile() + " 2>/dev/null");
}
BENCHMARK(DictStatsPeer)->Name("DictStats/peer")->Unit(benchmark::kMillisecond);

void DictCheckCorekit(benchmark::State& state) {
  const std::string path = Dictionary();
  for (auto _ : state) {
    long faults = 0;
    corekit::tool::CheckDictionaryFile(path, {},
                                       [&](const corekit::tool::DictFault&) { ++faults; });
    if (faults != 0) state.SkipWithError("the dictionary has faults");
  }
}
BENCHMARK(DictCheckCorekit)->Name("DictCheck/corekit")->Unit(benchmark::kMillisecond);

void DictCheckPeer(benchmark::State& state) {
  RunPeer(state, "msgfmt -c -o /dev/null " + PoFile());
}
BENCHMARK(DictCheckPeer)->Name("DictCheck/peer")->Unit(benchmark::kMillisecond);

}  // namespace
