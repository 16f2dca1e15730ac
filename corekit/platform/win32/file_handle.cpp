#include "corekit/platform/file_handle.h"

namespace corekit::platform {

HANDLE OpenFileHandle(const char* name, DWORD access, DWORD shareMode, DWORD disposition,
                      DWORD& error) {
  const HANDLE handle = CreateFileA(name, access, shareMode, nullptr, disposition, 0, nullptr);
  error = handle == INVALID_HANDLE_VALUE ? GetLastError() : 0;
  return handle;
}

HANDLE DuplicateFileHandle(HANDLE handle, DWORD& error) {
  // INVALID_HANDLE_VALUE is also the pseudo handle of the current process, which duplicates
  // without complaint: a failed file is no process.
  if (handle == INVALID_HANDLE_VALUE) {
    error = ERROR_INVALID_HANDLE;
    return INVALID_HANDLE_VALUE;
  }
  HANDLE duplicate = INVALID_HANDLE_VALUE;
  const HANDLE process = GetCurrentProcess();
  if (!DuplicateHandle(process, handle, process, &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
    error = GetLastError();
    return INVALID_HANDLE_VALUE;
  }
  error = 0;
  return duplicate;
}

void CloseFileHandle(HANDLE handle) { CloseHandle(handle); }

bool WriteFileHandle(HANDLE handle, const void* data, DWORD count, DWORD& done, DWORD& error) {
  done = 0;
  const bool written = WriteFile(handle, data, count, &done, nullptr) != FALSE;
  error = written ? 0 : GetLastError();
  return written;
}

bool ReadFileHandle(HANDLE handle, void* data, DWORD count, DWORD& done, DWORD& error) {
  done = 0;
  const bool read = ReadFile(handle, data, count, &done, nullptr) != FALSE;
  error = read ? 0 : GetLastError();
  return read;
}

DWORD SetFileHandlePosition(HANDLE handle, LONG offset, DWORD method, DWORD& error) {
  SetLastError(0);
  const DWORD position = SetFilePointer(handle, offset, nullptr, method);
  error = position == INVALID_SET_FILE_POINTER ? GetLastError() : 0;
  return position;
}

}  // namespace corekit::platform
