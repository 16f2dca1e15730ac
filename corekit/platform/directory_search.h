#pragma once

// A search for the entries of a folder that match a pattern: a folder and a name with the
// wildcards * (any characters) and ? (one character), such as "C:\data\*.job".
//
// On POSIX the folder's entries are matched with the Windows rules: [ is an ordinary character and
// a pattern ending with ".*" also matches names without a dot ("*.*" matches every name). Matching
// is case-sensitive, as the file system is. Entries are reported in the folder's own order;
// folders carry FILE_ATTRIBUTE_DIRECTORY, everything else FILE_ATTRIBUTE_NORMAL; the creation
// time is the time of the last status change, the nearest that POSIX keeps; there is no
// alternate (short) name.

#include "corekit/platform/types.h"

namespace corekit::platform {

// Starts a search and puts the first matching entry into data. Returns the search handle, or
// INVALID_HANDLE_VALUE when nothing matches, the folder cannot be read or the pattern has more
// than 259 characters.
HANDLE StartDirectorySearch(const char* pattern, WIN32_FIND_DATAA* data);

// Puts the next matching entry into data; false when there is none (or the handle is invalid).
bool NextDirectoryEntry(HANDLE search, WIN32_FIND_DATAA* data);

// Ends a search that StartDirectorySearch started.
void EndDirectorySearch(HANDLE search);

}  // namespace corekit::platform
