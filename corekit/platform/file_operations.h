#pragma once

// Operations on files and folders named by path. Each answers whether the system did it.
//
// On POSIX backslashes in the paths are read as separators (never the trail byte of a double-byte
// character), and the Windows rules are kept where POSIX differs: a folder is never a file,
// a move replaces nothing unless asked to, a copy never overwrites its own source.

#include "corekit/platform/types.h"

namespace corekit::platform {

// True when path opens as an existing file (a folder does not).
bool FileExists(const char* path);

// Deletes a file; a folder is not deleted.
bool RemoveFile(const char* path);

// Deletes an empty folder.
bool RemoveFolder(const char* path);

// Moves or renames a file or folder. flags: MOVEFILE_REPLACE_EXISTING lets a file take the place
// of an existing file, MOVEFILE_COPY_ALLOWED lets a file move to another volume by copy and
// delete. (On POSIX other flags have no effect.)
bool MoveFileOrFolder(const char* from, const char* to, DWORD flags);

// Copies a file with its permissions and times; with failIfExists an existing target stays
// untouched and the copy fails.
bool CopyOneFile(const char* from, const char* to, bool failIfExists);

// Creates a folder with the default security (permissions).
BOOL MakeFolder(const char* path);

// Makes path the process's current folder.
BOOL ChangeCurrentFolder(const char* path);

}  // namespace corekit::platform
