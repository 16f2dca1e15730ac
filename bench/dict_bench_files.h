#pragma once

// The texts of the dict commands' benchmarks, written once as a corekit dictionary and once as a
// .po file for their GNU gettext peers, in a folder of the benchmark's current folder.

#include <filesystem>
#include <fstream>
#include <string>

namespace dict_bench {

constexpr long Texts = 50000;

inline std::string English(long i) {
  return "English text number " + std::to_string(i) + " of the module";
}
inline std::string German(long i) {
  return "Deutscher Text Nummer " + std::to_string(i) + " des Moduls";
}

inline std::filesystem::path Folder() {
  const std::filesystem::path folder = std::filesystem::current_path() / "dict_bench";
  std::filesystem::create_directories(folder);
  return folder;
}

// The header of a .po file in UTF-8.
inline void WritePoHeader(std::ostream& po) {
  po << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n";
}

// A shell command's path argument (appended: GCC's -O3 restrict check misreads "'" + text).
inline std::string Quoted(const std::filesystem::path& path) {
  std::string quoted(1, '\'');
  quoted += path.string();
  quoted += '\'';
  return quoted;
}

}  // namespace dict_bench
