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

// The same paths with the separator that std::filesystem splits at on this system, so that it
// parses the same structure: folders, name and extension.
const std::vector<std::string>& NativePaths() {
  static const std::vector<std::string> paths = [] {
    std::vector<std::string> native = Paths();
    for (std::string& path : native) {
      for (char& c : path) {
        if (c == '\\') c = static_cast<char>(std::filesystem::path::preferred_separator);
      }
    }
    return native;
  }();
  return paths;
}

void SplitPathPeer(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::filesystem::path path(NativePaths()[i++ % NativePaths().size()]);
    const std::string parts = path.root_name().string() + path.parent_path().string() + path.stem().string() +
                              path.extension().string();
    benchmark::DoNotOptimize(parts.size());
  }
}
BENCHMARK(SplitPathPeer)->Name("SplitPath/peer");

}  // namespace
