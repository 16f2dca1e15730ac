// A hit of TranslateText beside the C library's dgettext on the same pairs: the catalogue is made
// with msgfmt from the pairs of the corekit dictionary. POSIX only, as gettext is.

#include <benchmark/benchmark.h>
#include <libintl.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "corekit/translate/translate_text.h"

namespace {

constexpr long Pairs = 10000;
constexpr const char* Domain = "corekit_bench";

std::string Key(long i) { return "English text number " + std::to_string(i); }
std::string Value(long i) { return "Deutscher Text Nummer " + std::to_string(i); }

// Every 156th key, as the corekit case looks them up.
std::vector<std::string> LookedUp() {
  std::vector<std::string> keys;
  for (long i = 0; i < 64; ++i) keys.push_back(Key(i * (Pairs / 64)));
  return keys;
}

// The catalogue of the pairs for the messages locale C.UTF-8, under a folder of the build; false
// when msgfmt is missing or fails.
bool MakeCatalogue() {
  const std::filesystem::path root = std::filesystem::current_path() / "gettext_bench";
  const std::filesystem::path folder = root / "C.UTF-8" / "LC_MESSAGES";
  std::filesystem::create_directories(folder);
  {
    std::ofstream po(root / "pairs.po", std::ios::binary);
    po << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n";
    for (long i = 0; i < Pairs; ++i) {
      po << "\nmsgid \"" << Key(i) << "\"\nmsgstr \"" << Value(i) << "\"\n";
    }
  }
  const std::string command = "msgfmt -o '" + (folder / (std::string(Domain) + ".mo")).string() +
                              "' '" + (root / "pairs.po").string() + "'";
  if (std::system(command.c_str()) != 0) return false;
  if (std::setlocale(LC_MESSAGES, "C.UTF-8") == nullptr) return false;
  bindtextdomain(Domain, root.c_str());
  return true;
}

void GettextHitCorekit(benchmark::State& state) {
  const std::string path(GetDictionaryPath(GetBaseLanguage(), 0x0407, Domain));
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  {
    std::ofstream file(path, std::ios::binary);
    for (long i = 0; i < Pairs; ++i) file << '[' << Key(i) << "][" << Value(i) << "]\n";
  }
  std::vector<KString> keys;
  for (const std::string& key : LookedUp()) keys.emplace_back(key.c_str());
  TranslateText(keys[0], 0x0009, 0x0407, Domain);  // loads the dictionary before timing
  std::size_t i = 0;
  for (auto _ : state) {
    const KString text = TranslateText(keys[i++ % keys.size()], 0x0009, 0x0407, Domain);
    benchmark::DoNotOptimize(text.GetLength());
  }
}
BENCHMARK(GettextHitCorekit)->Name("TranslateVsGettext/corekit");

void GettextHitPeer(benchmark::State& state) {
  if (!MakeCatalogue()) {
    state.SkipWithError("msgfmt (Debian package gettext) is needed for the catalogue");
    return;
  }
  const std::vector<std::string> keys = LookedUp();
  if (dgettext(Domain, keys[1].c_str()) != Value(Pairs / 64)) {
    state.SkipWithError("dgettext does not find the catalogue's pairs");
    return;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const char* text = dgettext(Domain, keys[i++ % keys.size()].c_str());
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(GettextHitPeer)->Name("TranslateVsGettext/peer");

}  // namespace
