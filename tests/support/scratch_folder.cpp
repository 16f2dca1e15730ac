#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace {

#if defined(_WIN32)
constexpr const char* TempVariable = "TMP";
#else
constexpr const char* TempVariable = "TMPDIR";
#endif

}  // namespace

ScratchFolder::ScratchFolder() {
  std::random_device random;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("corekit-test-" + std::to_string(random()));
  std::filesystem::create_directory(folder);
  m_path = std::filesystem::absolute(folder).string();
}

ScratchFolder::~ScratchFolder() {
  m_tempVariable.reset();
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchFolder::Entry(const std::string& name) const {
  return (std::filesystem::path(m_path) / name).string();
}

std::string ScratchFolder::Read(const std::string& name) const {
  std::ifstream file(Entry(name), std::ios::binary);
  return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "(missing)";
}

void ScratchFolder::Write(const std::string& name, const std::string& text) const {
  std::ofstream(Entry(name), std::ios::binary) << text;
}

void ScratchFolder::UseAsTempFolder() { UseAsTempFolder(m_path); }

void ScratchFolder::UseAsTempFolder(const std::string& text) {
  m_tempVariable.reset();
  m_tempVariable.emplace(TempVariable, text.c_str());
}

CurrentFolderKeeper::CurrentFolderKeeper() : m_folder(std::filesystem::current_path().string()) {}

CurrentFolderKeeper::~CurrentFolderKeeper() {
  std::error_code ignored;
  std::filesystem::current_path(m_folder, ignored);
}
