#include "tests/translate/dictionary_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "corekit/translate/translate_text.h"

std::string WriteDictionary(WORD language, const std::string& name, const std::string& bytes) {
  const std::string path(GetDictionaryPath(GetBaseLanguage(), language, name.c_str()));
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
  EXPECT_TRUE(std::filesystem::exists(path)) << path;
  return path;
}

void RemoveDictionary(WORD language, const std::string& name) {
  std::filesystem::remove(
      std::string(GetDictionaryPath(GetBaseLanguage(), language, name.c_str())));
}

std::string ProgramTitle() {
  const std::string path(GetDictionaryPath(GetBaseLanguage(), 0x0407, nullptr));
  return std::filesystem::path(path).stem().string();
}
