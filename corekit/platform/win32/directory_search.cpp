#include "corekit/platform/directory_search.h"

namespace corekit::platform {

HANDLE StartDirectorySearch(const char* pattern, WIN32_FIND_DATAA* data) {
  return FindFirstFileA(pattern, data);
}

bool NextDirectoryEntry(HANDLE search, WIN32_FIND_DATAA* data) {
  return FindNextFileA(search, data) != 0;
}

void EndDirectorySearch(HANDLE search) { FindClose(search); }

}  // namespace corekit::platform
