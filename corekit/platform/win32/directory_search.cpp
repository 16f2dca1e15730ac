#include "corekit/platform/directory_search.h"

#include <cstring>

namespace corekit::platform {

HANDLE StartDirectorySearch(const char* pattern, WIN32_FIND_DATAA* data) {
  // The ANSI functions take paths of up to MAX_PATH - 1 characters.
  if (std::strlen(pattern) >= MAX_PATH) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return INVALID_HANDLE_VALUE;
  }
  return FindFirstFileA(pattern, data);
}

bool NextDirectoryEntry(HANDLE search, WIN32_FIND_DATAA* data) {
  return FindNextFileA(search, data) != 0;
}

void EndDirectorySearch(HANDLE search) { FindClose(search); }

}  // namespace corekit::platform
