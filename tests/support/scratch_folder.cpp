#include "tests/support/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <random>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

#if defined(_WIN32)
constexpr const char* TempVariable = "TMP";

bool ReadVariable(std::string& value) {
  char buffer[32768];
  const DWORD length = GetEnvironmentVariableA(TempVariable, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) return false;
  value.assign(buffer, length);
  return true;
}

void WriteVariable(const char* value) { SetEnvironmentVariableA(TempVariable, value); }
#else
constexpr const char* TempVariable = "TMPDIR";

bool ReadVariable(std::string& value) {
  const char* text = std::getenv(TempVariable);
  if (text == nullptr) return false;
  value = text;
  return true;
}

void WriteVariable(const char* value) {
  if (value != nullptr) {
    setenv(TempVariable, value, 1);
  } else {
    unsetenv(TempVariable);
  }
}
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
  if (m_changedVariable) WriteVariable(m_hadVariable ? m_variable.c_str() : nullptr);
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::string ScratchFolder::Entry(const std::string& name) const {
  return (std::filesystem::path(m_path) / name).string();
}

void ScratchFolder::UseAsTempFolder() { UseAsTempFolder(m_path); }

void ScratchFolder::UseAsTempFolder(const std::string& text) {
  if (!m_changedVariable) {
    m_hadVariable = ReadVariable(m_variable);
    m_changedVariable = true;
  }
  WriteVariable(text.c_str());
}

CurrentFolderKeeper::CurrentFolderKeeper() : m_folder(std::filesystem::current_path().string()) {}

CurrentFolderKeeper::~CurrentFolderKeeper() {
  std::error_code ignored;
  std::filesystem::current_path(m_folder, ignored);
}
