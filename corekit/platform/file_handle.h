#pragma once

#include "corekit/platform/types.h"

// System file handles for the file stream. Each call reports the system's error code (GetLastError
// on Windows, errno on POSIX) taken right after the failing call.
namespace corekit::platform {

// Opens or creates a file (CreateFileA with the access, share mode and creation disposition, no
// security attributes, flags or template); INVALID_HANDLE_VALUE on failure.
HANDLE OpenFileHandle(const char* name, DWORD access, DWORD shareMode, DWORD disposition,
                      DWORD& error);

// A new handle of this process for the same open file (DuplicateHandle, same access, not
// inheritable); INVALID_HANDLE_VALUE on failure.
HANDLE DuplicateFileHandle(HANDLE handle, DWORD& error);

// Closes the handle; its result is not tested.
void CloseFileHandle(HANDLE handle);

// WriteFile / ReadFile of count bytes; the bytes moved in done. False on failure.
bool WriteFileHandle(HANDLE handle, const void* data, DWORD count, DWORD& done, DWORD& error);
bool ReadFileHandle(HANDLE handle, void* data, DWORD count, DWORD& done, DWORD& error);

// SetFilePointer with a 32-bit signed offset and no high part; method FILE_BEGIN (0),
// FILE_CURRENT (1) or FILE_END (2). The new position, or 0xFFFFFFFF with error set (error 0 when
// 0xFFFFFFFF is the position itself).
DWORD SetFileHandlePosition(HANDLE handle, LONG offset, DWORD method, DWORD& error);

}  // namespace corekit::platform
