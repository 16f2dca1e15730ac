// Splitting and composing paths beside std::filesystem::path.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "corekit/util/split_path.h"

namespace {

const std::vector<std::string>& Paths() {
  static const std::vector<std::string> paths = {
      "C:\\data\\survey\\job-2005-06-15.job", "\\\\server\\share\\projects\\gps\\points.txt",
      "D:/exports/archive.tar.gz",            "relative\\folder\\file.dat",
      "C:\\file.txt",                         "C:\\Program Files\\Suite\\bin\\tool.exe",
  };
  return paths;
}

void SplitPathCorekit(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const TSplitPath path(Paths()[i++ % Paths().size()].c_str());
    const KString composed = path.Compose(TSplitPath::AllParts);
    benchmark::DoNotOptimize(composed.GetLength());
  }
}
BENCHMARK(SplitPathCorekit)->Name("SplitPath/corekit");

void SplitPathPeer(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::filesystem::path path(Paths()[i++ % Paths().size()]);
    const std::string parts = path.root_name().string() + path.parent_path().string() + path.stem().string() +
                              path.extension().string();
    benchmark::DoNotOptimize(parts.size());
  }
}
BENCHMARK(SplitPathPeer)->Name("SplitPath/peer");

}  // namespace
