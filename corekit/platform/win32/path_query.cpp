#include "corekit/platform/path_query.h"

#include <commdlg.h>

#include <vector>

namespace corekit::platform {
namespace {

// A length that the system answered fits when it is neither 0 (failure) nor the size it needs.
bool Fits(DWORD length) { return length != 0 && length < static_cast<DWORD>(PathBufferSize); }

}  // namespace

bool LeadingSeparatorIsRoot() { return false; }

bool FullPathName(const char* path, char* buffer) {
  return Fits(GetFullPathNameA(path, PathBufferSize, buffer, nullptr));
}

bool ShortPathName(const char* path, char* buffer) {
  return Fits(GetShortPathNameA(path, buffer, PathBufferSize));
}

bool FileTitle(const char* path, char* buffer) {
  return GetFileTitleA(path, buffer, PathBufferSize) == 0;
}

bool TempFolderPath(std::string& folder) {
  // First the size the answer needs, with its NUL; then the answer into a buffer of that size.
  const DWORD size = GetTempPathA(0, nullptr);
  if (size == 0) return false;
  std::vector<char> buffer(size);
  const DWORD length = GetTempPathA(size, buffer.data());
  if (length == 0 || length >= size) return false;
  folder.assign(buffer.data(), length);
  return true;
}

bool CreateTempFile(const char* folder, const char* prefix, char* buffer) {
  // The unique number 0 makes the system choose the name and create the file.
  return GetTempFileNameA(folder, prefix, 0, buffer) != 0;
}

bool CurrentFolder(char* buffer) { return Fits(GetCurrentDirectoryA(PathBufferSize, buffer)); }

bool WindowsFolder(char* buffer) { return Fits(GetWindowsDirectoryA(buffer, PathBufferSize)); }

bool SystemFolder(char* buffer) { return Fits(GetSystemDirectoryA(buffer, PathBufferSize)); }

bool ComputerName(char* buffer) {
  DWORD size = PathBufferSize;
  return GetComputerNameA(buffer, &size) != 0;
}

}  // namespace corekit::platform
