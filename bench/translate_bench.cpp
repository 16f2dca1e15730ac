// Translation beside plain maps: a lookup in a loaded dictionary, and loading a dictionary file.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "corekit/errors/error_reporter.h"
#include "corekit/translate/translate_text.h"
#include "corekit/translate/translation_dict.h"

namespace {

std::string Key(long i) { return "English text number " + std::to_string(i); }
std::string Value(long i) { return "Deutscher Text Nummer " + std::to_string(i); }

// A dictionary of n pairs where the library looks for it, under a name of its own.
std::string WriteDictionary(long n, const std::string& name) {
  const std::string path(GetDictionaryPath(GetBaseLanguage(), 0x0407, name.c_str()));
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream file(path, std::ios::binary);
  for (long i = 0; i < n; ++i) file << '[' << Key(i) << "][" << Value(i) << "]\n";
  return path;
}

void TranslateTextHitCorekit(benchmark::State& state) {
  const long n = state.range(0);
  const std::string name = "bench_lookup_" + std::to_string(n);
  WriteDictionary(n, name);
  std::vector<KString> keys;
  for (long i = 0; i < 64; ++i) keys.emplace_back(Key(i * (n / 64)).c_str());
  TranslateText(keys[0], 0x0009, 0x0407, name.c_str());  // loads the dictionary before timing
  std::size_t i = 0;
  for (auto _ : state) {
    const KString text = TranslateText(keys[i++ % keys.size()], 0x0009, 0x0407, name.c_str());
    benchmark::DoNotOptimize(text.GetLength());
  }
  state.SetComplexityN(n);
}
BENCHMARK(TranslateTextHitCorekit)->Name("TranslateTextHit/corekit")->Arg(10000);
BENCHMARK(TranslateTextHitCorekit)->Name("TranslateTextHitGrowth/corekit")->RangeMultiplier(10)->Range(1000, 1000000)->Complexity();

void TranslateTextHitPeer(benchmark::State& state) {
  const long n = state.range(0);
  std::map<std::string, std::string> dictionary;
  for (long i = 0; i < n; ++i) dictionary.emplace(Key(i), Value(i));
  std::vector<std::string> keys;
  for (long i = 0; i < 64; ++i) keys.push_back(Key(i * (n / 64)));
  std::size_t i = 0;
  for (auto _ : state) {
    const auto found = dictionary.find(keys[i++ % keys.size()]);
    benchmark::DoNotOptimize(found->second.size());
  }
  state.SetComplexityN(n);
}
BENCHMARK(TranslateTextHitPeer)->Name("TranslateTextHit/peer")->Arg(10000);
BENCHMARK(TranslateTextHitPeer)->Name("TranslateTextHitGrowth/peer")->RangeMultiplier(10)->Range(1000, 1000000)->Complexity();

void DictionaryLoadCorekit(benchmark::State& state) {
  const long n = state.range(0);
  const std::string path = WriteDictionary(n, "bench_load_" + std::to_string(n));
  for (auto _ : state) {
    TTranslationDict dictionary;
    dictionary.LoadFromFile(path.c_str());
    benchmark::DoNotOptimize(dictionary);
  }
  state.SetComplexityN(n);
}
BENCHMARK(DictionaryLoadCorekit)->Name("DictionaryLoad/corekit")->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(DictionaryLoadCorekit)->Name("DictionaryLoadGrowth/corekit")->RangeMultiplier(10)->Range(1000, 1000000)->Complexity()->Unit(benchmark::kMillisecond);

void DictionaryLoadPeer(benchmark::State& state) {
  const long n = state.range(0);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (long i = 0; i < n; ++i) pairs.emplace_back(Key(i), Value(i));
  for (auto _ : state) {
    std::map<std::string, std::string> forward, reverse;
    for (const auto& [key, value] : pairs) {
      forward.emplace(key, value);
      reverse.emplace(value, key);
    }
    benchmark::DoNotOptimize(forward);
    benchmark::DoNotOptimize(reverse);
  }
  state.SetComplexityN(n);
}
BENCHMARK(DictionaryLoadPeer)->Name("DictionaryLoad/peer")->Arg(200000)->Unit(benchmark::kMillisecond);
BENCHMARK(DictionaryLoadPeer)->Name("DictionaryLoadGrowth/peer")->RangeMultiplier(10)->Range(1000, 1000000)->Complexity()->Unit(benchmark::kMillisecond);

void ErrorToTextCorekit(benchmark::State& state) {
  for (auto _ : state) {
    const KString text = TErrorReporter::ErrorToText(static_cast<LONG>(0x80040510), "", "", "");
    benchmark::DoNotOptimize(text.GetLength());
  }
}
BENCHMARK(ErrorToTextCorekit)->Name("ErrorToText/corekit");

}  // namespace
