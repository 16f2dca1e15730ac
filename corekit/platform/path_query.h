#pragma once

// What the system knows about paths and the machine: full, short and display forms of a path, the
// temporary, current, Windows and system folders, and the computer's name.
//
// Each query that takes a buffer writes a NUL-terminated answer into it; the buffer holds
// PathBufferSize bytes. A query answers false when the system fails or when its answer would not
// fit (more than 259 characters); the buffer's contents are then unspecified.
//
// POSIX has no short names, no Windows folder, no system folder and no shell titles; there the
// queries give these answers:
// - ShortPathName: the path as given, when it names an existing file or folder (a file system
//   without 8.3 names); false otherwise, as Windows fails for a missing path.
// - FileTitle: the last name of the path; false for an empty path or one that ends with a
//   separator. Extensions are always shown.
// - WindowsFolder: "/", the root of the installed system.
// - SystemFolder: the folder that holds the C library, where the system's own shared libraries
//   live (for example /lib/x86_64-linux-gnu).
// - ComputerName: the host name up to its first dot, the short name that Windows keeps.
// POSIX paths are absolute from "/" and use slashes; backslashes in the given paths are read as
// separators (never the trail byte of a double-byte character).

#include <string>

#include "corekit/platform/path_conventions.h"
#include "corekit/platform/types.h"

namespace corekit::platform {

// True where a path that begins with a separator starts at the file system's root (POSIX). In
// Windows syntax such a path is relative to the current drive.
bool LeadingSeparatorIsRoot();

// The absolute form of path: a relative path is completed with the current folder, and "." and
// ".." are resolved in the text (links are not followed, the path need not exist).
bool FullPathName(const char* path, char* buffer);

// The short (8.3) form of an existing path.
bool ShortPathName(const char* path, char* buffer);

// The title the shell shows for the file: its name, perhaps without extension.
bool FileTitle(const char* path, char* buffer);

// The folder for temporary files, ending with a separator. Its length is not limited.
bool TempFolderPath(std::string& folder);

// Creates a new empty file with a unique name in folder, its name beginning with up to three
// characters of prefix, and gives the file's full name.
bool CreateTempFile(const char* folder, const char* prefix, char* buffer);

// The process's current folder.
bool CurrentFolder(char* buffer);

// The folder of the operating system's installation.
bool WindowsFolder(char* buffer);

// The folder of the system's own libraries.
bool SystemFolder(char* buffer);

// The computer's name.
bool ComputerName(char* buffer);

}  // namespace corekit::platform
