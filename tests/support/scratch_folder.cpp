#include "tests/support/scratch_folder.h"

#include <filesystem>
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
