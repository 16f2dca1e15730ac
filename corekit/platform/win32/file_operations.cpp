#include "corekit/platform/file_operations.h"

namespace corekit::platform {

bool FileExists(const char* path) {
  // No access rights, shared for reading and writing, open only what exists; a folder does not
  // open without backup semantics.
  const HANDLE file =
      CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool RemoveFile(const char* path) { return DeleteFileA(path) != 0; }

bool RemoveFolder(const char* path) { return RemoveDirectoryA(path) != 0; }

bool MoveFileOrFolder(const char* from, const char* to, DWORD flags) {
  return MoveFileExA(from, to, flags) != 0;
}

bool CopyOneFile(const char* from, const char* to, bool failIfExists) {
  return CopyFileA(from, to, failIfExists ? TRUE : FALSE) != 0;
}

BOOL MakeFolder(const char* path) { return CreateDirectoryA(path, nullptr); }

BOOL ChangeCurrentFolder(const char* path) { return SetCurrentDirectoryA(path); }

}  // namespace corekit::platform
